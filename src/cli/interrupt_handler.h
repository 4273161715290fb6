// Ctrl+C on the terminal program: the first interrupt asks the running
// computation to stop (ui/stop_request.h), which it does at its next
// progress report or prompt, ending its listing as after a failure; a
// second one ends the program at once, for a computation that does not
// answer.
#pragma once

namespace ombrel {

// Installs the SIGINT handler. Reads cut short by the interrupt are not
// resumed, so that a prompt waiting for a person gives way too.
void StopOnInterrupt();

}  // namespace ombrel
