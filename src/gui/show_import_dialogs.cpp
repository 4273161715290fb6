#include "gui/command_windows.h"

namespace ombrel {

void ShowImportDialog(NetworkState&, Interaction& ui, QWidget*) {
  ShowNotAvailable(ui);
}
void ShowApproxDialog(NetworkState&, Interaction& ui, QWidget*) {
  ShowNotAvailable(ui);
}

}  // namespace ombrel
