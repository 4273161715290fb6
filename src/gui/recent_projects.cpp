#include "gui/recent_projects.h"

#include <QFileInfo>
#include <QSettings>

namespace ombrel {
namespace {

const QString kKey = QStringLiteral("proyectosRecientes");

const QString kOrganisation = QStringLiteral("Ombrel");

void Store(QStringList list) {
  while (list.size() > kRecentProjectCount) list.removeLast();
  QSettings(kOrganisation, kOrganisation).setValue(kKey, list);
}

}  // namespace

QStringList RecentProjects() {
  QStringList list = QSettings(kOrganisation, kOrganisation).value(kKey).toStringList();
  while (list.size() > kRecentProjectCount) list.removeLast();
  return list;
}

void AddRecentProject(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  QStringList list = RecentProjects();
  list.removeAll(file);
  list.prepend(file);
  Store(list);
}

void RemoveRecentProject(const QString& path) {
  QStringList list = RecentProjects();
  list.removeAll(QFileInfo(path).absoluteFilePath());
  Store(list);
}

}  // namespace ombrel
