// The review dialog: fixed points and weights previewed in the lists,
// applied to the network in memory, and the question on leaving a preview.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "gui/frm_revisar.h"
#include "gui/main_window.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "model/review_lists.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;
using testing::WhenModal;

class ReviewDialogTest : public ::testing::Test {
 protected:
  void Activate(const char* example) {
    std::filesystem::copy_file(testing::SourceDir() + "/examples/" + example, dir.File(example));
    const QString folder = QString::fromStdString(dir.Path().string());
    SetWorkingFolder(folder);
    window.Ui().SetUnattended(true);
    testing::ActivateThroughDialog(window, folder, QString::fromUtf8(example));
    ASSERT_TRUE(window.State().HasActiveProject());
    window.Ui().ClearRecord();
  }
  // Opens the dialog from the menu and acts on it; act must close it.
  void Review(std::function<void(frmRevisar*)> act) {
    bool shown = false;
    WhenModal<frmRevisar>([&](frmRevisar* dialog) {
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
  Review([&](frmRevisar* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), kReviewCaption);
    EXPECT_EQ(dialog->List1->font().family().toStdString(), "Courier New");
    ASSERT_EQ(dialog->List1->count(), 4);
    EXPECT_EQ(dialog->Label2->text().toStdString(), "3");
    EXPECT_EQ(dialog->Label4->text().toStdString(), "3");
    EXPECT_FALSE(dialog->Frame2->isEnabled());
    EXPECT_FALSE(dialog->Command3->isEnabled());

    dialog->List1->setCurrentRow(1);
    EXPECT_EQ(dialog->Label5->text().toStdString(), "Vértice número 1 :");
    EXPECT_TRUE(dialog->Option1->isChecked());
    EXPECT_TRUE(dialog->Command3->isEnabled());
    dialog->Option2->click();
    dialog->Command3->click();
    EXPECT_EQ(Line(dialog->List1, 1), "   Vértice  1  ......   vble");
    EXPECT_FALSE(dialog->Frame2->isEnabled());
    EXPECT_EQ(State().NumFixed, 1);  // only previewed
    dialog->Command1->click();
  });
  EXPECT_TRUE(Messages().empty());  // applied: nothing to ask
  EXPECT_EQ(State().NumFixed, 0);
  EXPECT_EQ(State().VariableIndex(1), 1);
  EXPECT_EQ(State().VariableIndex(3), 3);
  EXPECT_EQ(testing::Child<QLabel>(window, "pointsLabel")->text().toStdString(),
            "Número de vértices:   3   ( 0 fijos )");
  EXPECT_EQ(State().EditorExit, "Abandonar");
  EXPECT_EQ(testing::ReadBytes(dir.File("tres_puntos.txt")), file);
}

TEST_F(ReviewDialogTest, WeightsAppliedWithoutPreviewStayAsTheyWere) {
  Activate("ghilani16_1.txt");
  const Matrix before = State().ObsWeights;
  Review([](frmRevisar* dialog) {
    EXPECT_EQ(Weight(dialog->List2, 1), "         400");
    EXPECT_FALSE(dialog->Text1->isEnabled());
    dialog->Command2->click();
  });
  EXPECT_EQ(State().ObsWeights, before);
  EXPECT_TRUE(Messages().empty());
}

// A refused text changes no line; a preview asks before it is left behind,
// and No keeps the dialog open.
TEST_F(ReviewDialogTest, LeavingAPreviewAsksAndApplyingDoesNot) {
  Activate("ghilani16_1.txt");
  const Matrix before = State().ObsWeights;
  QtInteraction& ui = window.Ui();
  Review([&](frmRevisar* dialog) {
    dialog->List2->setCurrentRow(3);
    EXPECT_EQ(dialog->Label7->text().toStdString(), "Ecuación 3 :");
    EXPECT_EQ(dialog->Label8->text().toStdString(), "de ángulo");
    QTest::keyClicks(dialog->Text1, "1,5");
    EXPECT_EQ(dialog->Text1->text().toStdString(), "1,5");  // pointed out, still typed
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "¡ Carácter no válido !");
    dialog->Command6->click();
    EXPECT_EQ(Messages().back(), "¡ Algún carácter no es correcto !");
    EXPECT_EQ(Weight(dialog->List2, 3), "  0.00011664");

    dialog->Text1->setText(QStringLiteral("2.5"));
    dialog->Command6->click();
    EXPECT_EQ(Weight(dialog->List2, 3), "         2.5");
    EXPECT_FALSE(dialog->Text1->isEnabled());
    EXPECT_EQ(ui.Beeps(), 2);

    ui.ClearRecord();
    ui.SetNextAnswer(Answer::No);
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], kLeaveReviewQuestion);
    ui.SetNextAnswer(Answer::Yes);
    dialog->Command5->click();
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(State().ObsWeights, before);

  ui.ClearRecord();
  Review([&](frmRevisar* dialog) {
    dialog->List2->setCurrentRow(1);
    dialog->Text1->setText(QStringLiteral("3"));
    dialog->Command7->click();
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(Weight(dialog->List2, i), "           3") << i;
    ui.SetNextAnswer(Answer::No);
    dialog->reject();  // "A todos ...." is a preview too
    EXPECT_TRUE(dialog->isVisible());
    dialog->Command2->click();
  });
  EXPECT_EQ(Messages().size(), 1u);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(State().ObsWeights(2, i), 3.0) << i;
  EXPECT_EQ(ui.Pending(), 0u);
}

}  // namespace
}  // namespace ombrel
