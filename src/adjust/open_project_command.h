// Opening a project file: what the desktop's open dialog, the terminal and
// the tools that load a project run.
#pragma once

#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Reads the project at path (ReadProjectFile, model/project_file.h). When it
// cannot be used its message is shown (information icon, OK) and the state,
// ProjectName and the labels stay exactly as they were. Otherwise the state
// takes the network, the main window shows its labels and every command that
// needs an active project is enabled. Returns true when the project was
// loaded.
bool LoadProjectFile(NetworkState& state, Interaction& ui, const std::string& path);

}  // namespace ombrel
