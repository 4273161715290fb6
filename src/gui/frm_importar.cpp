#include "gui/frm_importar.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "adjust/run_time_message.h"
#include "gui/command_windows.h"
#include "gui/frm_abrir_proyecto.h"
#include "gui/qt_prompts.h"
#include "model/project_labels.h"

namespace ombrel {
namespace {

const char* const kNameLabels[] = {"Fichero de la Matriz A:", "Fichero del Vector K:",
                                   "Fichero de pesos (P):", "Fichero de la Matriz E:"};

QPushButton* Button(const char* caption, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(caption), parent);
}

}  // namespace

frmImportar::frmImportar(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QString::fromUtf8(kImportCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      BuildFileFrame(kFileA, "Matriz de coeficientes de las ecuaciones (Matriz A):", nullptr));
  layout->addWidget(
      BuildFileFrame(kFileK, "Vector de términos independientes (Vector K):", nullptr));
  layout->addWidget(
      BuildFileFrame(kFileP, "Pesos de las observaciones (Matriz P o Vector P):",
                     "Matriz diagonal de los pesos o vector con los pesos de las observaciones"));
  layout->addWidget(
      BuildFileFrame(kFileE, "(Opcional) Matriz de constreñimientos (Matriz E):", nullptr));
  layout->addWidget(BuildFormatNote());

  cmdCoordenadas = Button("Introducir coordenadas aproximadas", this);
  cmdAceptar = Button("Aceptar", this);
  cmdCancelar = Button("Cancelar", this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdCoordenadas);
  buttons->addStretch();
  buttons->addWidget(cmdAceptar);
  buttons->addWidget(cmdCancelar);
  layout->addLayout(buttons);

  connect(cmdCoordenadas, &QPushButton::clicked, this, &frmImportar::cmdCoordenadas_Click);
  connect(cmdAceptar, &QPushButton::clicked, this, &frmImportar::cmdAceptar_Click);
  connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
  Form_Load();
  for (QLineEdit* field : txtArchivo)
    connect(field, &QLineEdit::textChanged, this, &frmImportar::txtArchivo_Change);
}

QWidget* frmImportar::BuildFileFrame(Field field, const char* title, const char* hint) {
  auto* frame = new QGroupBox(QString::fromUtf8(title), this);
  auto* layout = new QVBoxLayout(frame);
  if (hint) layout->addWidget(new QLabel(QString::fromUtf8(hint), frame));
  auto* row = new QHBoxLayout;
  const auto at = static_cast<std::size_t>(field);
  txtArchivo[at] = new QLineEdit(frame);
  txtArchivo[at]->setMinimumWidth(360);
  cmdExaminar[at] = Button("Examinar...", frame);
  row->addWidget(new QLabel(QStringLiteral("Archivo:"), frame));
  row->addWidget(txtArchivo[at]);
  row->addWidget(cmdExaminar[at]);
  layout->addLayout(row);
  connect(cmdExaminar[at], &QPushButton::clicked, this,
          [this, field] { cmdExaminar_Click(field); });
  return frame;
}

QWidget* frmImportar::BuildFormatNote() {
  auto* note = new QWidget(this);
  auto* layout = new QVBoxLayout(note);
  layout->setContentsMargins(0, 0, 0, 0);
  for (const char* text :
       {"Formato permitido:",
        "FICHERO DE TEXTO:      Separador: \";\" o \" \" o TAB         Separador decimal: \".\" ",
        "Nota:  Para el cálculo correcto de las elipses de error, la ordenación del              "
        " vector de incógnitas será: dX1, dY1, dX2, dY2, ..., dXn, dYn, [dE]"}) {
    auto* label = new QLabel(QString::fromUtf8(text), note);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  return note;
}

void frmImportar::Form_Load() {
  const std::string* last[] = {&state_.ImportFileA, &state_.ImportFileK, &state_.ImportFileP,
                               &state_.ImportFileE};
  for (std::size_t i = 0; i < txtArchivo.size(); ++i) txtArchivo[i]->setText(ToQt(*last[i]));
  txtArchivo_Change();
}

// E is optional: A, K and P are enough to import.
void frmImportar::txtArchivo_Change() {
  const bool named = !txtArchivo[kFileA]->text().isEmpty() &&
                     !txtArchivo[kFileK]->text().isEmpty() && !txtArchivo[kFileP]->text().isEmpty();
  cmdAceptar->setEnabled(named);
  cmdCoordenadas->setEnabled(named);
}

void frmImportar::cmdExaminar_Click(Field field) {
  const auto at = static_cast<std::size_t>(field);
  state_.FileChosen = false;
  // Coordinates typed for the old A need not fit a new one.
  if (field == kFileA) state_.ApproxCoordsGiven = false;
  // The open dialog only hands the choice back, loading nothing, on an import.
  state_.NetworkType = "Importar";
  frmAbrirProyecto dialog(state_, ui_, this);
  dialog.ShowForImport(QString::fromUtf8(kNameLabels[at]));
  dialog.exec();
  if (state_.FileChosen) txtArchivo[at]->setText(ToQt(state_.SelectedFile));
}

MatrixFileNames frmImportar::FileNames() const {
  return {FromQt(txtArchivo[kFileA]->text()), FromQt(txtArchivo[kFileK]->text()),
          FromQt(txtArchivo[kFileP]->text()), FromQt(txtArchivo[kFileE]->text())};
}

void frmImportar::Import() {
  try {
    ImportMatrixFiles(state_, ui_, FileNames());
  } catch (const RunTimeError& error) {
    ReportRunTimeError(state_, ui_, error);
  }
}

void frmImportar::cmdAceptar_Click() {
  accept();
  SetLabels(state_, ui_, state_.ProjectLabel, "", "");
  Import();
  EnableImportedCommands(state_, ui_);
}

// A failed import leaves no network whose points could take coordinates.
void frmImportar::cmdCoordenadas_Click() {
  Import();
  if (!state_.Abandon) ShowApproxDialog(state_, ui_, this);
}

}  // namespace ombrel
