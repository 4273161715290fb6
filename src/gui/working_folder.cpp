#include "gui/working_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace ombrel {
namespace {

QString& Remembered() {
  static QString folder;
  return folder;
}

}  // namespace

bool CanWriteIn(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  // Permission bits do not tell about read-only mounts; creating a file does.
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("ombrel-XXXXXX")));
  return probe.open();
}

QString ChooseWorkingFolder(const QString& programFolder, const QString& homeFolder) {
  return CanWriteIn(programFolder) ? programFolder : homeFolder;
}

void SetWorkingFolder(const QString& folder) {
  Remembered() = QDir(folder).absolutePath();
  QDir::setCurrent(Remembered());
}

QString WorkingFolder() {
  if (Remembered().isEmpty()) return QDir::currentPath();
  return Remembered();
}

}  // namespace ombrel
