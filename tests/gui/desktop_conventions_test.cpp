// What a desktop program is expected to have: the standard shortcuts, the
// recent projects kept between sessions, a frame that does not grow with a
// long path, combo boxes that take typed numbers, tooltips on the toolbar.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "gui/elided_label.h"
#include "gui/main_window.h"
#include "gui/number_choices.h"
#include "gui/text_editor_window.h"
#include "gui_test_support.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Child;
using testing::TempDir;

TEST(DesktopConventions, StandardShortcutsAndToolbarTooltips) {
  MainWindow window;
  QtInteraction ui;
  TextEditorWindow editor(ui);
  const std::tuple<const QObject*, const char*, QKeySequence> shortcuts[] = {
      {&window, "newProjectAction", QKeySequence::New},
      {&window, "activateProjectAction", QKeySequence::Open},
      {&window, "quitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {&window, "aboutAction", QKeySequence(Qt::Key_F1)},
      {&editor, "saveAction", QKeySequence::Save},
      {&editor, "findAction", QKeySequence::Find},
      {&editor, "replaceAction", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {&editor, "undoAction", QKeySequence::Undo}};
  for (const auto& [owner, action, keys] : shortcuts)
    EXPECT_EQ(Child<QAction>(*owner, action)->shortcut(), keys) << action;
  int buttons = 0;
  for (const QAction* button : Child<QToolBar>(window, "toolbar")->actions()) {
    if (button->isSeparator() || button->objectName().isEmpty()) continue;
    ++buttons;
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
  }
  EXPECT_EQ(buttons, 7);
}

// Six projects made active: the menu of a later session lists the last
// five, newest first, and choosing one makes it active again.
TEST(DesktopConventions, RecentProjectsAreTheLastFiveAndOutliveTheSession) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.Path().string());
  {
    MainWindow session;
    session.Ui().SetUnattended(true);
    for (int i = 1; i <= 6; ++i) {
      const std::string name = "red" + std::to_string(i) + ".txt";
      std::filesystem::copy_file(testing::ExampleProjectPath(), dir.File(name));
      testing::ActivateThroughDialog(session, folder, QString::fromStdString(name));
    }
  }
  MainWindow next;
  QMenu* recent = Child<QMenu>(next, "recentProjectsMenu");
  emit recent->aboutToShow();
  QStringList shown;
  for (const QAction* action : recent->actions()) shown << action->text();
  EXPECT_EQ(shown, QStringList({"&1  red6.txt", "&2  red5.txt", "&3  red4.txt", "&4  red3.txt",
                                "&5  red2.txt"}));
  testing::Trigger(*recent, "recentProject3");
  EXPECT_EQ(next.State().ProjectName, dir.File("red4.txt"));
  EXPECT_TRUE(Child<QMenu>(next, "adjustMenu")->menuAction()->isEnabled());
}

TEST(DesktopConventions, ALongProjectPathIsElidedInsteadOfWideningTheWindow) {
  TempDir dir;
  std::filesystem::path folder = dir.Path();
  for (int i = 0; i < 4; ++i) folder /= std::string(60, static_cast<char>('a' + i));
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(testing::ExampleProjectPath(), folder / "red.txt");
  MainWindow window;
  window.Ui().SetUnattended(true);
  window.show();
  const int width = window.width();
  testing::ActivateThroughDialog(window, QString::fromStdString(folder.string()), "red.txt");
  QApplication::processEvents();
  auto* label = Child<ElidedLabel>(window, "projectLabel");
  EXPECT_EQ(label->text().toStdString(), (folder / "red.txt").string());
  EXPECT_EQ(window.width(), width);
  ASSERT_EQ(label->ShownLines().size(), 1);
  EXPECT_TRUE(label->ShownLines()[0].contains(QChar(0x2026)));
  EXPECT_TRUE(label->ShownLines()[0].endsWith(QStringLiteral("red.txt")));
}

TEST(DesktopConventions, NumberChoicesTakeTypedDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"7", "7"}, {"12", "12"}, {"99", "99"}, {"1", "1"}, {"x", ""}};
  for (const auto& [typed, chosen] : cases) {
    QComboBox box;
    FillNumberChoices(&box, kMaxProjectObservations);
    AcceptTypedNumbers(&box);
    QTest::keyClicks(&box, QString::fromUtf8(typed));
    EXPECT_EQ(box.currentText().trimmed().toStdString(), chosen) << typed;
  }
}

}  // namespace
}  // namespace ombrel
