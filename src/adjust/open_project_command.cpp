#include "adjust/open_project_command.h"

#include "model/project_file.h"

namespace ombrel {

bool LoadProjectFile(NetworkState& state, Interaction& ui, const std::string& path) {
  Result<NetworkState> read = ReadProjectFile(state, path);
  if (!read) {
    ShowFailure(ui, read.error());
    return false;
  }
  state = std::move(*read);
  ui.ShowLabels(state.ProjectLabel, state.PointsLabel, state.EquationsLabel);
  EnableProjectCommands(ui);
  return true;
}

}  // namespace ombrel
