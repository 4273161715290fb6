#include "gui/command_windows.h"

namespace ombrel {

void ShowReviewDialog(NetworkState&, Interaction& ui, QWidget*) {
  ShowNotAvailable(ui);
}

}  // namespace ombrel
