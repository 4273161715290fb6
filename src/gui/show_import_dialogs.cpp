#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/coordinates_dialog.h"
#include "gui/import_dialog.h"

namespace ombrel {

void ShowImportDialog(NetworkState& state, Interaction& ui, QWidget* parent) {
  ImportDialog dialog(state, ui, parent);
  dialog.exec();
}

// The working copy is sized from the imported A and the derived points; when
// an import stopped half-way the two need not agree, and the dialog does not
// open.
void ShowApproxDialog(NetworkState& state, Interaction& ui, QWidget* parent) {
  RunGuarded(state, ui, [&] {
    CoordinatesDialog dialog(state, ui, parent);
    dialog.exec();
  });
}

}  // namespace ombrel
