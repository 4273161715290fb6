// The main window: start-up state, the commands that need a project, the
// open-project dialog and the toolbar's adjustment buttons.
#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include "gui/command_guard.h"
#include "gui/open_project_dialog.h"
#include "gui/working_folder.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::TempDir;
using testing::Trigger;

constexpr const char* kNoProjectMessage = "¡ No tiene ningún proyecto activo !";
constexpr const char* kProjectMenus[] = {"reviewMenu", "viewMenu", "adjustMenu", "designMenu"};
constexpr const char* kAdjustButtons[] = {"adjustInverseButton", "adjustPseudoinverseButton",
                                          "adjustConstraintsButton"};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    std::filesystem::copy_file(testing::ExampleProjectPath(), dir.File("red.txt"));
    SetWorkingFolder(Folder());
    window.Ui().SetUnattended(true);
  }
  QString Folder() const { return QString::fromStdString(dir.Path().string()); }
  std::string Activate(const char* file) {
    return testing::ActivateThroughDialog(window, Folder(), QString::fromUtf8(file));
  }
  std::string Label(const char* name) const {
    return Child<QLabel>(window, name)->text().toStdString();
  }
  bool MenuEnabled(const char* name) const {
    return Child<QMenu>(window, name)->menuAction()->isEnabled();
  }

  TempDir dir;
  MainWindow window;
};

// The window starts with an empty frame and its project commands disabled
// (triggered, they refuse); a project activated is shown and enables them.
TEST_F(MainWindowTest, ProjectCommandsWaitForAnActiveProject) {
  EXPECT_EQ(Label("projectLabel"), "NO HAY NINGUN PROYECTO ACTIVO");
  EXPECT_EQ(Label("pointsLabel"), std::string(21, ' '));
  for (const char* menu : kProjectMenus) EXPECT_FALSE(MenuEnabled(menu)) << menu;
  for (const char* menu : {"fileMenu", "editorMenu", "advancedMenu", "aboutMenu"})
    EXPECT_TRUE(MenuEnabled(menu)) << menu;
  for (const char* button : kAdjustButtons)
    EXPECT_FALSE(Child<QAction>(window, button)->isEnabled()) << button;
  for (const char* command :
       {"reviewAction", "plotAction", "adjustInverseAction", "adjustConstraintsAction",
        "adjustPseudoinverseAction", "designOrderZeroAction", "designOrderTwoAction"}) {
    window.Ui().ClearRecord();
    Trigger(window, command);
    EXPECT_EQ(window.Ui().Messages(), std::vector<std::string>{kNoProjectMessage}) << command;
    EXPECT_EQ(window.Ui().Beeps(), 1) << command;
  }
  EXPECT_FALSE(window.State().HasActiveProject());

  window.Ui().ClearRecord();
  const std::string chosen = Activate("red.txt");
  EXPECT_EQ(chosen, dir.File("red.txt"));
  EXPECT_EQ(Label("projectLabel"), chosen);
  EXPECT_EQ(Label("pointsLabel"), "Número de vértices:   5   ( 4 fijos )");
  EXPECT_EQ(Label("equationsLabel"), "Número de ecuaciones:   5");
  for (const char* menu : kProjectMenus) EXPECT_TRUE(MenuEnabled(menu)) << menu;
  for (const char* button : kAdjustButtons)
    EXPECT_TRUE(Child<QAction>(window, button)->isEnabled()) << button;
  EXPECT_TRUE(window.Ui().Messages().empty());
}

// The name field takes a typed path, relative to the folder shown or whole;
// a folder's path moves there. The project loaded becomes the working
// folder, where relative outputs go, and its folder is where the dialog
// starts next time. Cancel chooses nothing.
TEST_F(MainWindowTest, OpenDialogTakesATypedPathAndStartsWhereTheLastFileWas) {
  std::filesystem::create_directory(dir.Path() / "sub");
  std::filesystem::copy_file(dir.File("red.txt"), dir.File("sub/otra.txt"));
  SetWorkingFolder(QDir::homePath());
  window.State().Import.MatrixInput = true;  // as if an import had been active
  testing::WhenModal<OpenProjectDialog>([&](OpenProjectDialog* dialog) {
    EXPECT_FALSE(Child<QPushButton>(*dialog, "acceptButton")->isEnabled());
    dialog->SetFolder(Folder());
    auto* name = Child<QLineEdit>(*dialog, "nameEdit");
    name->setText(QStringLiteral("sub"));
    Child<QPushButton>(*dialog, "acceptButton")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Folder().toStdString(), dir.File("sub"));
    name->setText(QStringLiteral("otra.txt"));
    Child<QPushButton>(*dialog, "acceptButton")->click();
  });
  Trigger(window, "activateProjectAction");
  EXPECT_EQ(window.State().ProjectName, dir.File("sub/otra.txt"));
  EXPECT_FALSE(window.State().Import.MatrixInput);
  EXPECT_EQ(WorkingFolder().toStdString(), dir.File("sub"));

  QString start;
  testing::WhenModal<OpenProjectDialog>([&](OpenProjectDialog* dialog) {
    start = dialog->Folder();
    Child<QLineEdit>(*dialog, "nameEdit")->setText(QString::fromStdString(dir.File("red.txt")));
    Child<QPushButton>(*dialog, "acceptButton")->click();
  });
  Trigger(window, "activateProjectAction");
  EXPECT_EQ(start.toStdString(), dir.File("sub"));
  EXPECT_EQ(window.State().ProjectName, dir.File("red.txt"));

  testing::WhenModal<OpenProjectDialog>(
      [](OpenProjectDialog* dialog) { Child<QPushButton>(*dialog, "cancelButton")->click(); });
  Trigger(window, "activateProjectAction");
  EXPECT_FALSE(window.State().FileChosen);
  EXPECT_EQ(window.State().ProjectName, dir.File("red.txt"));
}

TEST_F(MainWindowTest, OpenDialogMovesBetweenFolders) {
  std::filesystem::create_directory(dir.Path() / "sub");
  dir.Write("sub/otra.txt", "x");
  OpenProjectDialog dialog(window.State(), window.Ui(), OpenProjectDialog::Purpose::Import);
  auto* files = Child<QListWidget>(dialog, "fileList");
  auto* folders = Child<QListWidget>(dialog, "folderList");
  ASSERT_TRUE(dialog.SetFolder(Folder()));
  EXPECT_EQ(files->count(), 1);  // red.txt
  const auto sub = folders->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
  ASSERT_EQ(sub.size(), 1);
  emit folders->itemActivated(sub.first());
  EXPECT_EQ(dialog.Folder().toStdString(), (dir.Path() / "sub").string());
  ASSERT_EQ(files->count(), 1);
  EXPECT_EQ(files->item(0)->text().toStdString(), "otra.txt");
  EXPECT_FALSE(dialog.SetFolder(QString::fromStdString(dir.File("no-existe"))));
  EXPECT_EQ(dialog.Folder().toStdString(), (dir.Path() / "sub").string());
}

// Items 13, 14 and 15 of the toolbar are the inverse, the pseudoinverse and
// the constraint matrix E, not the menu's order. On a network with four
// fixed points the inverse first asks about the scale factor, and E refuses.
TEST_F(MainWindowTest, ToolbarAdjustmentButtonsRunTheirOwnMethod) {
  Activate("red.txt");
  const std::string scaleQuestion = "¿ Desea agregar al cálculo el factor de escala ?";
  const std::string fixedRefusal = "¡ La red tiene dos o más puntos fijos !";
  const QList<QAction*> items = Child<QToolBar>(window, "toolbar")->actions();
  ASSERT_EQ(items.size(), 15);
  auto firstMessage = [&](QAction* action) {
    window.Ui().ClearRecord();
    action->trigger();
    return window.Ui().Messages().empty() ? std::string() : window.Ui().Messages()[0];
  };
  EXPECT_EQ(firstMessage(items[12]), scaleQuestion);
  EXPECT_EQ(firstMessage(items[14]), fixedRefusal);
  const std::string pseudo = firstMessage(items[13]);
  EXPECT_NE(pseudo, scaleQuestion);
  EXPECT_NE(pseudo, fixedRefusal);
  EXPECT_EQ(firstMessage(Child<QAction>(window, "adjustConstraintsAction")), fixedRefusal);
}

// A fault that no computation step handles (here the listing is asked for a
// negative number of decimals, which the options dialog never lets through)
// is reported, and the window goes on: the next adjustment runs to its end.
TEST_F(MainWindowTest, AFaultThatEscapesACommandIsReportedAndTheWindowGoesOn) {
  Activate("red.txt");
  QtInteraction& ui = window.Ui();
  // Scale factor, condition equations, Baarda, three methods, listing,
  // output type and, at the end, whether to see the listing now.
  const auto adjust = [&](const std::string& listing, bool toTheEnd) {
    ui.ClearRecord();
    for (Answer answer : {Answer::No, Answer::No}) ui.SetNextAnswer(answer);
    ui.SetNextText("4.12");
    ui.SetNextAnswer(Answer::No);
    ui.SetNextText(dir.File(listing));
    ui.SetNextOutputType(OutputType::Full);
    if (toTheEnd) ui.SetNextAnswer(Answer::No);
    Trigger(window, "adjustInverseAction");
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(ui.Unanswered().empty());
  };
  window.State().Options.OutputDecimals = -1;
  adjust("fallo.tmp", false);
  EXPECT_EQ(ui.Messages().back(), kUnexpectedFaultMessage);
  EXPECT_FALSE(ui.Busy());
  EXPECT_FALSE(window.State().Abandon);

  window.State().Options.OutputDecimals = 3;
  adjust("bien.tmp", true);
  EXPECT_EQ(std::count(ui.Messages().begin(), ui.Messages().end(), kUnexpectedFaultMessage), 0);
  EXPECT_NE(testing::ReadBytes(dir.File("bien.tmp")).find("RESUMEN DE RESULTADOS"),
            std::string::npos);
}

// A relative listing name lands beside the active project, and the window
// ends the computation with the listing's full path.
TEST_F(MainWindowTest, TheListingGoesBesideTheProjectAndItsPathIsShown) {
  std::filesystem::create_directory(dir.Path() / "obra");
  std::filesystem::copy_file(dir.File("red.txt"), dir.File("obra/red.txt"));
  SetWorkingFolder(QDir::homePath());
  testing::ActivateThroughDialog(window, QString::fromStdString(dir.File("obra")),
                                 QStringLiteral("red.txt"));
  QtInteraction& ui = window.Ui();
  for (Answer answer : {Answer::No, Answer::No}) ui.SetNextAnswer(answer);
  ui.SetNextText("4.12");
  ui.SetNextAnswer(Answer::No);
  ui.SetNextText("relativo.tmp");
  ui.SetNextOutputType(OutputType::Summary);
  ui.SetNextAnswer(Answer::No);
  Trigger(window, "adjustInverseAction");
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_TRUE(std::filesystem::exists(dir.File("obra/relativo.tmp")));
  EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
            "Resultados en " + dir.File("obra/relativo.tmp"));
}

}  // namespace
}  // namespace ombrel
