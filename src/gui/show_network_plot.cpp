#include "gui/command_windows.h"
#include "gui/frm_grafico.h"

namespace ombrel {

void ShowNetworkPlot(NetworkState& state, Interaction& ui, QWidget* parent) {
  frmGrafico window(state, ui, parent);
  window.exec();
}

}  // namespace ombrel
