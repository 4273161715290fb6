// The main window's shortcuts, its list of recent projects and what follows
// each command.
#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>

#include "adjust/open_project_command.h"
#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/dialog_widgets.h"
#include "gui/main_window.h"
#include "gui/qt_prompts.h"
#include "gui/recent_projects.h"

namespace ombrel {
namespace {

struct Shortcut {
  const char* action;
  const char* button;  // the toolbar button of the same command, if any
  QKeySequence keys;
};

const Shortcut kShortcuts[] = {
    {"newProjectAction", "newProjectButton", QKeySequence(Qt::CTRL | Qt::Key_N)},
    {"activateProjectAction", "activateProjectButton", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"quitAction", nullptr, QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {"aboutAction", nullptr, QKeySequence(Qt::Key_F1)},
};

}  // namespace

void MainWindow::AddDesktopConventions() {
  for (const Shortcut& shortcut : kShortcuts) {
    auto* action = findChild<QAction*>(QString::fromUtf8(shortcut.action));
    action->setShortcut(shortcut.keys);
    if (!shortcut.button) continue;
    auto* button = findChild<QAction*>(QString::fromUtf8(shortcut.button));
    button->setToolTip(button->toolTip() + QStringLiteral(" (") +
                       shortcut.keys.toString(QKeySequence::NativeText) + QStringLiteral(")"));
  }
  auto* file = findChild<QMenu*>(QStringLiteral("fileMenu"));
  QAction* quit = findChild<QAction*>(QStringLiteral("quitAction"));
  recentMenu_ =
      Named("recentProjectsMenu", new QMenu(QStringLiteral("Proyectos &recientes"), file));
  file->insertMenu(quit, recentMenu_);
  file->insertSeparator(quit);
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::ShowRecentProjects);
  ShowRecentProjects();
}

void MainWindow::ShowRecentProjects() {
  recentMenu_->clear();
  const QStringList projects = RecentProjects();
  if (projects.isEmpty()) recentMenu_->addAction(QStringLiteral("(ninguno)"))->setEnabled(false);
  for (int i = 0; i < projects.size(); ++i) {
    const QString path = projects[i];
    const QString name = QStringLiteral("recentProject%1").arg(i + 1);
    QAction* action = recentMenu_->addAction(
        QStringLiteral("&%1  %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setObjectName(name);
    action->setToolTip(path);
    action->setStatusTip(path);
    connect(action, &QAction::triggered, this, [this, path] {
      RunGuarded(state_, ui_, [this, path] { openRecentProject(path); });
      AfterCommand(nullptr);
    });
  }
}

// As "A&ctivar Proyecto..." with the file chosen; one that can no longer be
// read leaves the list after its message.
void MainWindow::openRecentProject(const QString& path) {
  state_.SelectedFile = FromQt(path);
  if (LoadProjectFile(state_, ui_, state_.SelectedFile))
    state_.Import.MatrixInput = false;
  else
    RemoveRecentProject(path);
}

void MainWindow::AfterCommand(void (MainWindow::*command)()) {
  // These leave the network as it was: an open graphics window keeps its view.
  for (auto keeps : {&MainWindow::openTextEditor, &MainWindow::showOptions, &MainWindow::showAbout,
                     &MainWindow::showNetworkPlot, &MainWindow::quitApplication})
    if (command == keeps) return;
  if (state_.HasActiveProject() && state_.ProjectLabel == state_.ProjectName &&
      state_.ProjectName != kUntitled)
    AddRecentProject(ToQt(state_.ProjectName));
  RefreshNetworkPlot(this);
}

}  // namespace ombrel
