// The options dialog and the output-type dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/option_rules.h"
#include "gui/options_dialog.h"
#include "gui/output_type_dialog.h"
#include "gui/qt_interaction.h"
#include "gui_test_support.h"

namespace ombrel {
namespace {

using testing::Child;

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() { ui.SetUnattended(true); }
  void Accept(const char* precision, const char* decimals) {
    OptionsDialog dialog(state, ui);
    Child<QLineEdit>(dialog, "precisionEdit")->setText(QString::fromUtf8(precision));
    Child<QLineEdit>(dialog, "decimalsEdit")->setText(QString::fromUtf8(decimals));
    Child<QPushButton>(dialog, "acceptButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }

  NetworkState state;
  QtInteraction ui;
};

// Each refused text has its message and leaves its value as it was; the
// other value is still taken.
TEST_F(OptionsTest, RefusedValuesKeepTheirValueAndTheOthersAreTaken) {
  struct Case {
    const char* precision;
    const char* decimals;
    std::vector<std::string> messages;
    double precisionAfter;
    int decimalsAfter;
  };
  const Case cases[] = {
      {"0,02", "4", {"¡ 0,02 no es un dato numérico o no está en valor absoluto !"}, 0.01, 4},
      {"-0.5",
       "2.5",
       {"¡ -0.5 no es un dato numérico o no está en valor absoluto !",
        "¡ 2.5 no es un número de cifras decimales válido !"},
       0.01,
       3},
  };
  for (const Case& c : cases) {
    state = NetworkState();
    ui.ClearRecord();
    Accept(c.precision, c.decimals);
    EXPECT_EQ(ui.Messages(), c.messages) << c.precision << " " << c.decimals;
    EXPECT_EQ(ui.Beeps(), static_cast<int>(c.messages.size()));
    EXPECT_DOUBLE_EQ(state.Options.ApproxPrecision, c.precisionAfter);
    EXPECT_EQ(state.Options.OutputDecimals, c.decimalsAfter);
  }
}

TEST_F(OptionsTest, ControlsSetTheirOptionsAtOnce) {
  OptionsDialog dialog(state, ui);
  auto* study = Child<QCheckBox>(dialog, "studyCheck");
  study->click();
  EXPECT_TRUE(state.Options.StudyApprox);
  EXPECT_TRUE(Child<QLineEdit>(dialog, "precisionEdit")->isEnabled());
  study->click();
  EXPECT_FALSE(state.Options.StudyApprox);
  EXPECT_FALSE(Child<QLineEdit>(dialog, "precisionEdit")->isEnabled());
  Child<QRadioButton>(dialog, "choleskyRadio")->click();
  EXPECT_EQ(state.Options.Inversion, InversionMethod::Cholesky);
  Child<QCheckBox>(dialog, "checkInversionBox")->click();
  EXPECT_TRUE(state.Options.CheckInversion);

  // Reopened, the dialog shows what the state holds.
  OptionsDialog reopened(state, ui);
  EXPECT_EQ(Child<QLineEdit>(reopened, "decimalsEdit")->text().toStdString(), "3");
  EXPECT_EQ(Child<QLineEdit>(reopened, "precisionEdit")->text().toStdString(), "0.01");
  EXPECT_TRUE(Child<QRadioButton>(reopened, "choleskyRadio")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(reopened, "checkInversionBox")->isChecked());

  // The study is not offered for an imported network, even when chosen.
  state.Import.MatrixInput = true;
  state.Options.StudyApprox = true;
  OptionsDialog imported(state, ui);
  EXPECT_FALSE(Child<QCheckBox>(imported, "studyCheck")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>(imported, "precisionEdit")->isEnabled());
}

TEST(OptionRules, PrecisionAndDecimalsTexts) {
  double precision = 1.0;
  for (const char* refused : {"0,01", "-0.01", "0", "abc", "", "1e999", "0.0"})
    EXPECT_FALSE(AcceptPrecision(refused, precision)) << refused;
  EXPECT_DOUBLE_EQ(precision, 1.0);
  EXPECT_TRUE(AcceptPrecision(" 0.005 ", precision));
  EXPECT_DOUBLE_EQ(precision, 0.005);

  int decimals = 3;
  for (const char* refused : {"4.0", "4,", "-2", "", "x", "31", "99999"})
    EXPECT_FALSE(AcceptDecimals(refused, decimals)) << refused;
  EXPECT_EQ(decimals, 3);
  EXPECT_TRUE(AcceptDecimals("30", decimals));
  EXPECT_EQ(decimals, 30);
}

TEST(OutputTypeDialog, EachButtonChoosesAndClosingWithoutOneChoosesNothing) {
  OutputTypeDialog full;
  Child<QPushButton>(full, "fullOutputButton")->click();
  EXPECT_EQ(full.Choice(), OutputType::Full);
  OutputTypeDialog summary;
  Child<QPushButton>(summary, "summaryOutputButton")->click();
  EXPECT_EQ(summary.Choice(), OutputType::Summary);
  OutputTypeDialog closed;
  closed.reject();
  EXPECT_EQ(closed.Choice(), OutputType::Closed);
}

}  // namespace
}  // namespace ombrel
