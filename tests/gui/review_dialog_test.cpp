// The review dialog: fixed points and weights previewed in the lists,
// applied to the network in memory, and the question on leaving a preview.
#include "gui/review_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/main_window.h"
#include "gui_test_support.h"
#include "model/review_lists.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::TempDir;
using testing::WhenModal;

class ReviewDialogTest : public ::testing::Test {
 protected:
  void Activate(const char* example) {
    testing::ActivateExample(window, dir, testing::SourceDir() + "/examples/" + example);
    window.Ui().ClearRecord();
  }
  // Opens the dialog from the menu and acts on it; act must close it.
  void Review(std::function<void(ReviewDialog*)> act) {
    bool shown = false;
    WhenModal<ReviewDialog>([&](ReviewDialog* dialog) {
      shown = true;
      act(dialog);
      if (dialog->isVisible()) {
        ADD_FAILURE() << "el diálogo sigue abierto";
        dialog->QDialog::done(QDialog::Rejected);
      }
    });
    testing::Trigger(window, "reviewAction");
    EXPECT_TRUE(shown);
  }
  static std::string Line(QListWidget* list, int row) {
    return list->item(row)->text().toStdString();
  }
  static std::string Weight(QListWidget* list, int row) {
    return CharColumns(Line(list, row), 30, 41);
  }
  NetworkState& State() { return window.State(); }
  const std::vector<std::string>& Messages() { return window.Ui().Messages(); }

  TempDir dir;
  MainWindow window;
};

TEST_F(ReviewDialogTest, TheOnlyFixedPointMadeVariableLeavesNoneFixed) {
  Activate("tres_puntos.txt");
  const std::string file = testing::ReadBytes(dir.File("tres_puntos.txt"));
  Review([&](ReviewDialog* dialog) {
    auto* points = Child<QListWidget>(*dialog, "pointList");
    EXPECT_EQ(points->font().family().toStdString(), "Courier New");
    ASSERT_EQ(points->count(), 4);
    EXPECT_EQ(Child<QLabel>(*dialog, "pointCountLabel")->text().toStdString(), "3");
    EXPECT_EQ(Child<QLabel>(*dialog, "equationCountLabel")->text().toStdString(), "3");
    EXPECT_FALSE(Child<QGroupBox>(*dialog, "pointKindGroup")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*dialog, "previewPointButton")->isEnabled());

    points->setCurrentRow(1);
    EXPECT_EQ(Child<QLabel>(*dialog, "pointLabel")->text().toStdString(), "Vértice número 1 :");
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "fixedRadio")->isChecked());
    EXPECT_TRUE(Child<QPushButton>(*dialog, "previewPointButton")->isEnabled());
    Child<QRadioButton>(*dialog, "variableRadio")->click();
    Child<QPushButton>(*dialog, "previewPointButton")->click();
    EXPECT_EQ(Line(points, 1), "   Vértice  1  ......   vble");
    EXPECT_FALSE(Child<QGroupBox>(*dialog, "pointKindGroup")->isEnabled());
    EXPECT_EQ(State().Network.NumFixed, 1);  // only previewed
    Child<QPushButton>(*dialog, "applyPointsButton")->click();
  });
  EXPECT_TRUE(Messages().empty());  // applied: nothing to ask
  EXPECT_EQ(State().Network.NumFixed, 0);
  EXPECT_EQ(testing::Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "Número de vértices:   3   ( 0 fijos )");
  EXPECT_EQ(testing::ReadBytes(dir.File("tres_puntos.txt")), file);
}

// A refused text changes no line; a preview asks before it is left behind,
// and No keeps the dialog open.
TEST_F(ReviewDialogTest, LeavingAPreviewAsksAndApplyingDoesNot) {
  Activate("ghilani16_1.txt");
  const Matrix before = State().Network.ObsWeights;
  QtInteraction& ui = window.Ui();
  Review([&](ReviewDialog* dialog) {
    auto* equations = Child<QListWidget>(*dialog, "equationList");
    auto* weight = Child<QLineEdit>(*dialog, "weightEdit");
    auto* preview = Child<QPushButton>(*dialog, "previewWeightButton");
    equations->setCurrentRow(3);
    EXPECT_EQ(Child<QLabel>(*dialog, "equationLabel")->text().toStdString(), "Ecuación 3 :");
    EXPECT_EQ(Child<QLabel>(*dialog, "equationKindLabel")->text().toStdString(), "de ángulo");
    QTest::keyClicks(weight, "1,5");
    EXPECT_EQ(weight->text().toStdString(), "1,5");  // pointed out, still typed
    EXPECT_EQ(Messages(), std::vector<std::string>{"¡ Carácter no válido !"});
    preview->click();
    EXPECT_EQ(Messages().back(), "¡ Algún carácter no es correcto !");
    EXPECT_EQ(Weight(equations, 3), "  0.00011664");

    weight->setText(QStringLiteral("2.5"));
    preview->click();
    EXPECT_EQ(Weight(equations, 3), "         2.5");
    EXPECT_FALSE(weight->isEnabled());
    EXPECT_EQ(ui.Beeps(), 2);

    ui.ClearRecord();
    ui.SetNextAnswer(Answer::No);
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Messages(), std::vector<std::string>{kLeaveReviewQuestion});
    ui.SetNextAnswer(Answer::Yes);
    Child<QPushButton>(*dialog, "cancelWeightsButton")->click();
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(State().Network.ObsWeights, before);

  ui.ClearRecord();
  Review([&](ReviewDialog* dialog) {
    auto* equations = Child<QListWidget>(*dialog, "equationList");
    equations->setCurrentRow(1);
    Child<QLineEdit>(*dialog, "weightEdit")->setText(QStringLiteral("3"));
    Child<QPushButton>(*dialog, "weightToAllButton")->click();
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(Weight(equations, i), "           3") << i;
    ui.SetNextAnswer(Answer::No);
    dialog->reject();  // "A todos ...." is a preview too
    EXPECT_TRUE(dialog->isVisible());
    Child<QPushButton>(*dialog, "applyWeightsButton")->click();
  });
  EXPECT_EQ(Messages().size(), 1u);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(State().Network.ObsWeights(2, i), 3.0) << i;
  EXPECT_EQ(ui.Pending(), 0u);
}

}  // namespace
}  // namespace ombrel
