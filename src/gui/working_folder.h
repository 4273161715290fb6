// The folders the desktop works in. Relative names ("salida.tmp",
// "elipses.tmp", "red.dxf", a new project's name) resolve in the working
// folder, which is the current folder: the user's home folder at start, then
// the folder of the active project, so that a project's results lie beside
// it. The open dialogs start in the last folder a file was chosen in, kept
// between sessions in the application's settings.
#pragma once

#include <QString>
#include <string>

namespace ombrel {

// Makes folder the current folder and remembers it.
void SetWorkingFolder(const QString& folder);
QString WorkingFolder();

// The folder of the file at path (relative to the working folder) becomes
// the working folder.
void WorkInFolderOf(const std::string& path);

// The folder the open dialogs start in: the last one remembered while it
// still exists, otherwise the working folder.
QString StartFolder();
void RememberStartFolder(const QString& folder);

}  // namespace ombrel
