// The folder that relative names such as "salida.tmp" resolve in: the
// program's own folder when files can be written there, otherwise the
// user's home folder.
#pragma once

#include <QString>

namespace ombrel {

// True when a file can actually be created in folder.
bool CanWriteIn(const QString& folder);

QString ChooseWorkingFolder(const QString& programFolder, const QString& homeFolder);

// Makes folder the current folder and remembers it; the open-project dialog
// starts there every time.
void SetWorkingFolder(const QString& folder);
QString WorkingFolder();

}  // namespace ombrel
