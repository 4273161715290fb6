#include "gui/command_windows.h"

namespace ombrel {

void ShowProjectEditor(NetworkState&, Interaction& ui, QWidget*) {
  ShowNotAvailable(ui);
}

}  // namespace ombrel
