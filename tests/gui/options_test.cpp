// The options dialog and the output-type dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/frm_opciones.h"
#include "gui/frm_tipo_salida.h"
#include "gui/option_rules.h"
#include "gui/qt_interaction.h"

namespace ombrel {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() { ui.SetUnattended(true); }
  void Accept(const char* precision, const char* decimals) {
    frmOpciones dialog(state, ui);
    dialog.txtPrecision->setText(QString::fromUtf8(precision));
    dialog.txtDecimales->setText(QString::fromUtf8(decimals));
    dialog.Aceptar->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }

  NetworkState state;
  QtInteraction ui;
};

TEST_F(OptionsTest, OpensWithTheDefaults) {
  frmOpciones dialog(state, ui);
  EXPECT_EQ(dialog.txtDecimales->text().toStdString(), "3");
  EXPECT_EQ(dialog.txtPrecision->text().toStdString(), "0.01");
  EXPECT_FALSE(dialog.Check1->isChecked());
  EXPECT_FALSE(dialog.txtPrecision->isEnabled());
  EXPECT_TRUE(dialog.Inversa[0]->isChecked());
  EXPECT_TRUE(dialog.Pseudo[0]->isChecked());
  EXPECT_FALSE(dialog.Check2->isChecked());
}

TEST_F(OptionsTest, ADecimalCommaInThePrecisionIsRefusedAndTheValueStays) {
  Accept("0,02", "3");
  EXPECT_DOUBLE_EQ(state.ApproxPrecision, 0.01);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "¡ 0,02 no es un dato numérico o no está en valor absoluto !");
  EXPECT_EQ(ui.Beeps(), 1);

  ui.ClearRecord();
  Accept("0.02", "3");
  EXPECT_DOUBLE_EQ(state.ApproxPrecision, 0.02);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(OptionsTest, NegativeDecimalsAreRefusedAndAWholeNumberIsTaken) {
  Accept("0.01", "-2");
  EXPECT_EQ(state.OutputDecimals, 3);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "¡ -2 no es un número de cifras decimales válido !");

  ui.ClearRecord();
  Accept("0.01", "4");
  EXPECT_EQ(state.OutputDecimals, 4);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(OptionsTest, BothRefusalsAreReportedAndNeitherValueChanges) {
  Accept("-0.5", "2.5");
  EXPECT_EQ(ui.Messages().size(), 2u);
  EXPECT_DOUBLE_EQ(state.ApproxPrecision, 0.01);
  EXPECT_EQ(state.OutputDecimals, 3);
}

TEST_F(OptionsTest, StudyOptionIsDisabledForAnImportedNetwork) {
  state.MatrixInput = true;
  state.StudyApprox = true;
  frmOpciones dialog(state, ui);
  EXPECT_FALSE(dialog.Check1->isEnabled());
  EXPECT_FALSE(dialog.txtPrecision->isEnabled());
}

TEST_F(OptionsTest, ControlsSetTheirOptionsAtOnce) {
  frmOpciones dialog(state, ui);
  dialog.Check1->click();
  EXPECT_TRUE(state.StudyApprox);
  EXPECT_TRUE(dialog.txtPrecision->isEnabled());
  dialog.Check1->click();
  EXPECT_FALSE(state.StudyApprox);
  EXPECT_FALSE(dialog.txtPrecision->isEnabled());
  dialog.Inversa[2]->click();
  EXPECT_EQ(state.InversionMethod, kInversionCholesky);
  dialog.Check2->click();
  EXPECT_TRUE(state.CheckInversion);

  frmOpciones reopened(state, ui);
  EXPECT_TRUE(reopened.Inversa[2]->isChecked());
  EXPECT_TRUE(reopened.Check2->isChecked());
}

TEST(OptionRules, PrecisionAndDecimalsTexts) {
  double precision = 1.0;
  for (const char* refused : {"0,01", "-0.01", "0", "abc", "", "1e999", "0.0"})
    EXPECT_FALSE(AcceptPrecision(refused, precision)) << refused;
  EXPECT_DOUBLE_EQ(precision, 1.0);
  EXPECT_TRUE(AcceptPrecision(" 0.005 ", precision));
  EXPECT_DOUBLE_EQ(precision, 0.005);

  int decimals = 3;
  for (const char* refused : {"4.0", "4,", "-2", "", "x", "99999"})
    EXPECT_FALSE(AcceptDecimals(refused, decimals)) << refused;
  EXPECT_EQ(decimals, 3);
  EXPECT_TRUE(AcceptDecimals("0", decimals));
  EXPECT_EQ(decimals, 0);
}

TEST(OutputTypeDialog, EachButtonChoosesAndClosingWithoutOneChoosesNothing) {
  frmTipoSalida full;
  full.Command1->click();
  EXPECT_EQ(full.Choice(), OutputType::Full);
  frmTipoSalida summary;
  summary.Command2->click();
  EXPECT_EQ(summary.Choice(), OutputType::Summary);
  frmTipoSalida closed;
  closed.reject();
  EXPECT_EQ(closed.Choice(), OutputType::Closed);
}

}  // namespace
}  // namespace ombrel
