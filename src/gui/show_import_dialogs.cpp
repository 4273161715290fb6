#include "adjust/run_time_message.h"
#include "gui/command_windows.h"
#include "gui/frm_coordenadas.h"
#include "gui/frm_importar.h"

namespace ombrel {

void ShowImportDialog(NetworkState& state, Interaction& ui, QWidget* parent) {
  frmImportar dialog(state, ui, parent);
  dialog.exec();
}

// The working copy is sized from the imported A and the derived points; when
// an import stopped half-way the two need not agree, and the dialog does not
// open.
void ShowApproxDialog(NetworkState& state, Interaction& ui, QWidget* parent) {
  try {
    frmCoordenadas dialog(state, ui, parent);
    dialog.exec();
  } catch (const RunTimeError& error) {
    ReportRunTimeError(state, ui, error);
    state.Abandon = false;
  }
}

}  // namespace ombrel
