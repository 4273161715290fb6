#include "gui/command_windows.h"

namespace ombrel {

void ShowNetworkPlot(NetworkState&, Interaction& ui, QWidget*) {
  ShowNotAvailable(ui);
}

}  // namespace ombrel
