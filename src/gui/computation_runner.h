// Runs a computation command of the desktop on a worker thread while the GUI
// thread goes on with its event loop, so that the windows repaint and the
// computation can be stopped.
#pragma once

#include <functional>

#include "ui/interaction.h"

class QWidget;

namespace ombrel {

// Runs computation(ui) on a worker thread and returns once it has ended.
// Meanwhile, on the GUI thread: every call the computation makes on ui is
// made on gui; input to window is held back (the computation owns the
// network); a ProgressDialog modal to window appears once the computation
// reports progress, or has run half a second since its last prompt, and is
// hidden while a prompt shows; its Cancelar makes the next progress report
// throw ComputationStopped. A fault that escapes the computation is thrown
// again here, on the GUI thread, once the worker has ended.
void RunComputation(QWidget* window, Interaction& gui,
                    const std::function<void(Interaction&)>& computation);

}  // namespace ombrel
