#include "gui/import_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/dialog_widgets.h"
#include "gui/held_window_changes.h"
#include "gui/open_project_dialog.h"
#include "gui/qt_prompts.h"
#include "model/project_labels.h"

namespace ombrel {
namespace {

const char* const kNameLabels[] = {"Fichero de la Matriz A:", "Fichero del Vector K:",
                                   "Fichero de pesos (P):", "Fichero de la Matriz E:"};
const char* const kEditNames[] = {"fileAEdit", "fileKEdit", "filePEdit", "fileEEdit"};
const char* const kBrowseNames[] = {"browseAButton", "browseKButton", "browsePButton",
                                    "browseEButton"};

QPushButton* Button(const char* caption, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(caption), parent);
}

}  // namespace

ImportDialog::ImportDialog(NetworkState& state, Interaction& ui, QWidget* parent)
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

  coordinatesButton_ =
      Named("coordinatesButton", Button("Introducir coordenadas aproximadas", this));
  acceptButton_ = Named("acceptButton", Button("Aceptar", this));
  cancelButton_ = Named("cancelButton", Button("Cancelar", this));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(coordinatesButton_);
  buttons->addStretch();
  buttons->addWidget(acceptButton_);
  buttons->addWidget(cancelButton_);
  layout->addLayout(buttons);

  connect(coordinatesButton_, &QPushButton::clicked, this, &ImportDialog::enterCoordinates);
  connect(acceptButton_, &QPushButton::clicked, this, &ImportDialog::importAndClose);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  ShowLastFiles();
  for (QLineEdit* field : fileEdits_)
    connect(field, &QLineEdit::textChanged, this, &ImportDialog::updateButtons);
}

QWidget* ImportDialog::BuildFileFrame(Field field, const char* title, const char* hint) {
  auto* frame = new QGroupBox(QString::fromUtf8(title), this);
  auto* layout = new QVBoxLayout(frame);
  if (hint) layout->addWidget(new QLabel(QString::fromUtf8(hint), frame));
  auto* row = new QHBoxLayout;
  const auto at = static_cast<std::size_t>(field);
  fileEdits_[at] = Named(kEditNames[at], new QLineEdit(frame));
  fileEdits_[at]->setMinimumWidth(360);
  browseButtons_[at] = Named(kBrowseNames[at], Button("Examinar...", frame));
  row->addWidget(new QLabel(QStringLiteral("Archivo:"), frame));
  row->addWidget(fileEdits_[at]);
  row->addWidget(browseButtons_[at]);
  layout->addLayout(row);
  connect(browseButtons_[at], &QPushButton::clicked, this, [this, field] { browse(field); });
  return frame;
}

QWidget* ImportDialog::BuildFormatNote() {
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

void ImportDialog::ShowLastFiles() {
  const std::string* last[] = {&state_.Import.ImportFileA, &state_.Import.ImportFileK,
                               &state_.Import.ImportFileP, &state_.Import.ImportFileE};
  for (std::size_t i = 0; i < fileEdits_.size(); ++i) fileEdits_[i]->setText(ToQt(*last[i]));
  updateButtons();
}

// E is optional: A, K and P are enough to import.
void ImportDialog::updateButtons() {
  const bool named = !fileEdits_[kFileA]->text().isEmpty() &&
                     !fileEdits_[kFileK]->text().isEmpty() && !fileEdits_[kFileP]->text().isEmpty();
  acceptButton_->setEnabled(named);
  coordinatesButton_->setEnabled(named);
}

void ImportDialog::browse(Field field) {
  const auto at = static_cast<std::size_t>(field);
  state_.FileChosen = false;
  // Coordinates typed for the old A need not fit a new one.
  if (field == kFileA) state_.Import.ApproxCoordsGiven = false;
  // The open dialog only hands the choice back, loading nothing, on an import.
  OpenProjectDialog dialog(state_, ui_, OpenProjectDialog::Purpose::Import, this);
  dialog.ShowForImport(QString::fromUtf8(kNameLabels[at]));
  dialog.exec();
  if (state_.FileChosen) fileEdits_[at]->setText(ToQt(state_.SelectedFile));
}

MatrixFileNames ImportDialog::FileNames() const {
  return {FromQt(fileEdits_[kFileA]->text()), FromQt(fileEdits_[kFileK]->text()),
          FromQt(fileEdits_[kFileP]->text()), FromQt(fileEdits_[kFileE]->text())};
}

// A failed import changes nothing: the network, the project frame and the
// menus stay those of the network active before it, which can still be
// adjusted.
bool ImportDialog::Import(bool closing) {
  const NetworkState before = state_;
  HeldWindowChanges window(ui_);
  const bool ran = RunGuarded(state_, window, [&] {
    if (closing) SetLabels(state_, window, state_.ProjectLabel, "", "");
    ImportMatrixFiles(state_, window, FileNames());
    if (closing && !state_.Abandon) EnableImportedCommands(state_, window);
  });
  if (!ran || state_.Abandon) {
    state_ = before;
    return false;
  }
  window.Apply();
  return true;
}

void ImportDialog::importAndClose() {
  accept();
  Import(true);
}

void ImportDialog::enterCoordinates() {
  if (Import(false)) ShowApproxDialog(state_, ui_, this);
}

}  // namespace ombrel
