// The desktop application: the main window on the working folder.
#include <QApplication>
#include <QDir>

#include "gui/main_window.h"
#include "gui/working_folder.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ombrel"));
  ombrel::SetWorkingFolder(
      ombrel::ChooseWorkingFolder(QApplication::applicationDirPath(), QDir::homePath()));
  ombrel::MainWindow window;
  window.show();
  return QApplication::exec();
}
