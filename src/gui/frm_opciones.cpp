#include "gui/frm_opciones.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/option_rules.h"
#include "gui/qt_prompts.h"

namespace ombrel {

frmOpciones::frmOpciones(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QStringLiteral("Opciones"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildResultsFrame());
  layout->addWidget(BuildStudyFrame());
  layout->addWidget(BuildAlgorithmsFrame());
  Check2 = new QCheckBox(QStringLiteral("Comprobar precisión en la inversión de AtPA"), this);
  layout->addWidget(Check2);
  Aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  Aceptar->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(Aceptar);
  layout->addLayout(row);

  Form_Load();
  connect(Check1, &QCheckBox::clicked, this, &frmOpciones::Check1_Click);
  connect(Check2, &QCheckBox::clicked, this, &frmOpciones::Check2_Click);
  for (int i = 0; i < static_cast<int>(Inversa.size()); ++i)
    connect(Inversa[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
            [this, i] { Inversa_Click(i); });
  connect(Pseudo[0], &QRadioButton::clicked, this, [this] { Pseudo_Click(0); });
  connect(Aceptar, &QPushButton::clicked, this, &frmOpciones::Aceptar_Click);
}

QWidget* frmOpciones::BuildResultsFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Coordenadas compensadas"), this);
  auto* layout = new QHBoxLayout(frame);
  layout->addWidget(
      new QLabel(QStringLiteral("Número de cifras decimales en la salida de resultados:"), frame));
  txtDecimales = new QLineEdit(frame);
  txtDecimales->setMaximumWidth(60);
  layout->addWidget(txtDecimales);
  layout->addStretch();
  return frame;
}

QWidget* frmOpciones::BuildStudyFrame() {
  auto* frame = new QGroupBox(
      QStringLiteral("Cálculo con números aproximados (sólo para entrada con fichero de proyecto)"),
      this);
  auto* layout = new QHBoxLayout(frame);
  Check1 = new QCheckBox(QStringLiteral("Analizar"), frame);
  lblPrecision = new QLabel(QStringLiteral("Precisión en las coordenadas aproximadas:"), frame);
  txtPrecision = new QLineEdit(frame);
  txtPrecision->setMaximumWidth(90);
  lblMetros = new QLabel(QStringLiteral("metros"), frame);
  layout->addWidget(Check1);
  layout->addSpacing(16);
  layout->addWidget(lblPrecision);
  layout->addWidget(txtPrecision);
  layout->addWidget(lblMetros);
  layout->addStretch();
  return frame;
}

QWidget* frmOpciones::BuildAlgorithmsFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Algoritmos para el cálculo de matrices"), this);
  auto* layout = new QHBoxLayout(frame);
  auto* inverse = new QGroupBox(QStringLiteral("Método de cálculo para la inversa clásica"), frame);
  auto* inverseLayout = new QVBoxLayout(inverse);
  const char* captions[] = {"Gauss", "Descomposición triangular LU",
                            "Descomposición ortogonal LL' (Cholesky)"};
  for (std::size_t i = 0; i < Inversa.size(); ++i) {
    Inversa[i] = new QRadioButton(QString::fromUtf8(captions[i]), inverse);
    inverseLayout->addWidget(Inversa[i]);
  }
  inverseLayout->addStretch();
  auto* pseudo = new QGroupBox(QStringLiteral("Método de cálculo para la pseudoinversa"), frame);
  auto* pseudoLayout = new QVBoxLayout(pseudo);
  Pseudo[0] = new QRadioButton(
      QStringLiteral("Descomposición en valores singulares (según Golub-Reinsch)"), pseudo);
  pseudoLayout->addWidget(Pseudo[0]);
  pseudoLayout->addStretch();
  layout->addWidget(inverse);
  layout->addWidget(pseudo);
  return frame;
}

void frmOpciones::Form_Load() {
  Check1->setChecked(state_.StudyApprox);
  Check2->setChecked(state_.CheckInversion);
  const int method = state_.InversionMethod >= 0 && state_.InversionMethod <= 2
                         ? state_.InversionMethod
                         : kInversionGauss;
  Inversa[static_cast<std::size_t>(method)]->setChecked(true);
  Pseudo[0]->setChecked(true);
  txtPrecision->setText(
      QString::number(state_.ApproxPrecision, 'g', 15).replace(QLatin1Char(','), '.'));
  txtDecimales->setText(QString::number(state_.OutputDecimals));
  EnablePrecision(Check1->isChecked());
  // A network entered by matrices has no approximate coordinates to study.
  if (state_.MatrixInput) {
    Check1->setEnabled(false);
    EnablePrecision(false);
  }
}

void frmOpciones::EnablePrecision(bool enabled) {
  txtPrecision->setEnabled(enabled);
  lblPrecision->setEnabled(enabled);
  lblMetros->setEnabled(enabled);
}

void frmOpciones::Check1_Click() {
  const bool on = Check1->isChecked();
  EnablePrecision(on);
  if (on) {
    txtPrecision->setFocus();
    txtPrecision->selectAll();
  }
  state_.StudyApprox = on;
}

void frmOpciones::Check2_Click() {
  state_.CheckInversion = Check2->isChecked();
}

void frmOpciones::Inversa_Click(int index) {
  state_.InversionMethod = index;
}

// There is a single pseudoinverse method; the button only reflects it.
void frmOpciones::Pseudo_Click(int) {}

void frmOpciones::Aceptar_Click() {
  const std::string precision = FromQt(txtPrecision->text());
  if (!AcceptPrecision(precision, state_.ApproxPrecision)) {
    ui_.Beep();
    ui_.MessageBox(PrecisionRefusal(precision), Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
  const std::string decimals = FromQt(txtDecimales->text());
  if (!AcceptDecimals(decimals, state_.OutputDecimals)) {
    ui_.Beep();
    ui_.MessageBox(DecimalsRefusal(decimals), Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
  accept();
}

}  // namespace ombrel
