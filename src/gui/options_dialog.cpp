#include "gui/options_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialog_widgets.h"
#include "gui/option_rules.h"
#include "gui/qt_prompts.h"

namespace ombrel {

OptionsDialog::OptionsDialog(NetworkState& state, Interaction& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setWindowTitle(QStringLiteral("Opciones"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildResultsFrame());
  layout->addWidget(BuildStudyFrame());
  layout->addWidget(BuildAlgorithmsFrame());
  checkInversionBox_ =
      Named("checkInversionBox",
            new QCheckBox(QStringLiteral("Comprobar precisión en la inversión de AtPA"), this));
  layout->addWidget(checkInversionBox_);
  acceptButton_ = Named("acceptButton", new QPushButton(QStringLiteral("Aceptar"), this));
  acceptButton_->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(acceptButton_);
  layout->addLayout(row);

  ShowOptions();
  connect(studyCheck_, &QCheckBox::clicked, this, &OptionsDialog::toggleStudy);
  connect(checkInversionBox_, &QCheckBox::clicked, this, &OptionsDialog::toggleInversionCheck);
  for (int i = 0; i < static_cast<int>(inversionRadios_.size()); ++i)
    connect(inversionRadios_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
            [this, i] { chooseInversionMethod(i); });
  connect(acceptButton_, &QPushButton::clicked, this, &OptionsDialog::acceptOptions);
}

QWidget* OptionsDialog::BuildResultsFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Coordenadas compensadas"), this);
  auto* layout = new QHBoxLayout(frame);
  layout->addWidget(
      new QLabel(QStringLiteral("Número de cifras decimales en la salida de resultados:"), frame));
  decimalsEdit_ = Named("decimalsEdit", new QLineEdit(frame));
  decimalsEdit_->setMaximumWidth(60);
  layout->addWidget(decimalsEdit_);
  layout->addStretch();
  return frame;
}

QWidget* OptionsDialog::BuildStudyFrame() {
  auto* frame = new QGroupBox(
      QStringLiteral("Cálculo con números aproximados (sólo para entrada con fichero de proyecto)"),
      this);
  auto* layout = new QHBoxLayout(frame);
  studyCheck_ = Named("studyCheck", new QCheckBox(QStringLiteral("Analizar"), frame));
  precisionLabel_ =
      Named("precisionLabel",
            new QLabel(QStringLiteral("Precisión en las coordenadas aproximadas:"), frame));
  precisionEdit_ = Named("precisionEdit", new QLineEdit(frame));
  precisionEdit_->setMaximumWidth(90);
  metresLabel_ = Named("metresLabel", new QLabel(QStringLiteral("metros"), frame));
  layout->addWidget(studyCheck_);
  layout->addSpacing(16);
  layout->addWidget(precisionLabel_);
  layout->addWidget(precisionEdit_);
  layout->addWidget(metresLabel_);
  layout->addStretch();
  return frame;
}

QWidget* OptionsDialog::BuildAlgorithmsFrame() {
  auto* frame = new QGroupBox(QStringLiteral("Algoritmos para el cálculo de matrices"), this);
  auto* layout = new QHBoxLayout(frame);
  auto* inverse = new QGroupBox(QStringLiteral("Método de cálculo para la inversa clásica"), frame);
  auto* inverseLayout = new QVBoxLayout(inverse);
  const char* captions[] = {"Gauss", "Descomposición triangular LU",
                            "Descomposición ortogonal LL' (Cholesky)"};
  const char* names[] = {"gaussRadio", "luRadio", "choleskyRadio"};
  for (std::size_t i = 0; i < inversionRadios_.size(); ++i) {
    inversionRadios_[i] =
        Named(names[i], new QRadioButton(QString::fromUtf8(captions[i]), inverse));
    inverseLayout->addWidget(inversionRadios_[i]);
  }
  inverseLayout->addStretch();
  auto* pseudo = new QGroupBox(QStringLiteral("Método de cálculo para la pseudoinversa"), frame);
  auto* pseudoLayout = new QVBoxLayout(pseudo);
  const QString svd = QStringLiteral("Descomposición en valores singulares (según Golub-Reinsch)");
  svdRadio_ = Named("svdRadio", new QRadioButton(svd, pseudo));
  pseudoLayout->addWidget(svdRadio_);
  pseudoLayout->addStretch();
  layout->addWidget(inverse);
  layout->addWidget(pseudo);
  return frame;
}

void OptionsDialog::ShowOptions() {
  studyCheck_->setChecked(state_.Options.StudyApprox);
  checkInversionBox_->setChecked(state_.Options.CheckInversion);
  inversionRadios_[static_cast<std::size_t>(state_.Options.Inversion)]->setChecked(true);
  svdRadio_->setChecked(true);
  precisionEdit_->setText(
      QString::number(state_.Options.ApproxPrecision, 'g', 15).replace(QLatin1Char(','), '.'));
  decimalsEdit_->setText(QString::number(state_.Options.OutputDecimals));
  EnablePrecision(studyCheck_->isChecked());
  // A network entered by matrices has no approximate coordinates to study.
  if (state_.Import.MatrixInput) {
    studyCheck_->setEnabled(false);
    EnablePrecision(false);
  }
}

void OptionsDialog::EnablePrecision(bool enabled) {
  precisionEdit_->setEnabled(enabled);
  precisionLabel_->setEnabled(enabled);
  metresLabel_->setEnabled(enabled);
}

void OptionsDialog::toggleStudy() {
  const bool on = studyCheck_->isChecked();
  EnablePrecision(on);
  if (on) {
    precisionEdit_->setFocus();
    precisionEdit_->selectAll();
  }
  state_.Options.StudyApprox = on;
}

void OptionsDialog::toggleInversionCheck() {
  state_.Options.CheckInversion = checkInversionBox_->isChecked();
}

void OptionsDialog::chooseInversionMethod(int index) {
  state_.Options.Inversion = static_cast<InversionMethod>(index);
}

void OptionsDialog::acceptOptions() {
  const std::string precision = FromQt(precisionEdit_->text());
  if (!AcceptPrecision(precision, state_.Options.ApproxPrecision)) {
    ui_.Beep();
    ui_.MessageBox(PrecisionRefusal(precision), Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
  const std::string decimals = FromQt(decimalsEdit_->text());
  if (!AcceptDecimals(decimals, state_.Options.OutputDecimals)) {
    ui_.Beep();
    ui_.MessageBox(DecimalsRefusal(decimals), Buttons::Ok, Icon::Information, 1, kAppTitle);
  }
  accept();
}

}  // namespace ombrel
