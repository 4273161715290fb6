#include "cli/interrupt_handler.h"

#include <csignal>

#include "ui/stop_request.h"

namespace ombrel {
namespace {

extern "C" void OnInterrupt(int signal) {
  if (StopRequested()) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  RequestStop();
}

}  // namespace

void StopOnInterrupt() {
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace ombrel
