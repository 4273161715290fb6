#include "gui/command_windows.h"

namespace ombrel {

void ShowNotAvailable(Interaction& ui) {
  ui.Beep();
  ui.MessageBox(kNotAvailable, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

}  // namespace ombrel
