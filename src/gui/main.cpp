// The desktop application: the main window, working in the user's home
// folder until a project is active.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "gui/main_window.h"
#include "gui/working_folder.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ombrel"));
  QApplication::setOrganizationName(QStringLiteral("Ombrel"));
  // The icon the package installs in the hicolor theme.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("ombrel")));
  ombrel::SetWorkingFolder(QDir::homePath());
  ombrel::MainWindow window;
  window.show();
  return QApplication::exec();
}
