// The last projects the person made active, newest first, kept between
// sessions in the user's settings of the program (QSettings "Ombrel").
#pragma once

#include <QStringList>

namespace ombrel {

inline constexpr int kRecentProjectCount = 5;

// The list as stored: absolute paths, at most kRecentProjectCount.
QStringList RecentProjects();

// Puts the file (made absolute) first, once, and keeps the first five.
void AddRecentProject(const QString& path);

void RemoveRecentProject(const QString& path);

}  // namespace ombrel
