#include "gui/working_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ombrel {
namespace {

constexpr const char* kStartFolderKey = "carpetas/ultima";

QString& Remembered() {
  static QString folder;
  return folder;
}

QSettings Settings() {
  return QSettings(QStringLiteral("Ombrel"), QStringLiteral("Ombrel"));
}

}  // namespace

void SetWorkingFolder(const QString& folder) {
  Remembered() = QDir(folder).absolutePath();
  QDir::setCurrent(Remembered());
}

QString WorkingFolder() {
  if (Remembered().isEmpty()) return QDir::currentPath();
  return Remembered();
}

void WorkInFolderOf(const std::string& path) {
  const QFileInfo file(QDir(WorkingFolder()).filePath(QString::fromStdString(path)));
  if (file.absoluteDir().exists()) SetWorkingFolder(file.absolutePath());
}

QString StartFolder() {
  const QString last = Settings().value(QString::fromUtf8(kStartFolderKey)).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return WorkingFolder();
}

void RememberStartFolder(const QString& folder) {
  Settings().setValue(QString::fromUtf8(kStartFolderKey), QDir(folder).absolutePath());
}

}  // namespace ombrel
