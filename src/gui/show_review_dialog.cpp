#include "gui/command_guard.h"
#include "gui/command_windows.h"
#include "gui/review_dialog.h"

namespace ombrel {

// An imported network has more equations than a project may hold; its lines
// cannot be built and the dialog does not open.
void ShowReviewDialog(NetworkState& state, Interaction& ui, QWidget* parent) {
  RunGuarded(state, ui, [&] {
    ReviewDialog dialog(state, ui, parent);
    dialog.exec();
  });
}

}  // namespace ombrel
