#include "gui/command_windows.h"
#include "gui/project_editor_dialog.h"
#include "model/project_file.h"

namespace ombrel {

void ShowProjectEditor(NetworkState& state, Interaction& ui, QWidget* parent) {
  Result<ProjectLists> lists = ProjectLists();
  if (state.SelectedFile != kUntitled) lists = ProjectLists::FromFile(state.SelectedFile);
  if (!lists) {
    ShowFailure(ui, lists.error());
    return;
  }
  ProjectEditorDialog dialog(state, ui, std::move(*lists), parent);
  // A saved project is the active network from now on, also after a network
  // imported as matrices: the equations must be formed from it again.
  if (dialog.exec() == QDialog::Accepted) state.Import.MatrixInput = false;
}

}  // namespace ombrel
