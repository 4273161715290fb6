#include "gui/command_windows.h"
#include "gui/plot_window.h"

namespace ombrel {

void ShowNetworkPlot(NetworkState& state, QtInteraction& ui, QWidget* parent) {
  auto* window = parent->findChild<PlotWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window == nullptr) {
    window = new PlotWindow(state, ui, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void RefreshNetworkPlot(QWidget* parent) {
  if (auto* window = parent->findChild<PlotWindow*>(QString(), Qt::FindDirectChildrenOnly))
    window->NetworkChanged();
}

}  // namespace ombrel
