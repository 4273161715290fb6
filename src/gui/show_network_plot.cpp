#include "gui/command_windows.h"
#include "gui/plot_window.h"

namespace ombrel {

void ShowNetworkPlot(NetworkState& state, Interaction& ui, QWidget* parent) {
  PlotWindow window(state, ui, parent);
  window.exec();
}

}  // namespace ombrel
