#include "gui/command_guard.h"

#include <new>

#include "adjust/run_time_message.h"

namespace ombrel {
namespace {

void ReportFault(NetworkState& state, Interaction& ui, const char* message) {
  state.MessageText = message;
  ui.MessageBox(state.MessageText, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
}

}  // namespace

bool RunGuarded(NetworkState& state, Interaction& ui, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const RunTimeError& error) {
    ReportRunTimeError(state, ui, error);
  } catch (const std::bad_alloc&) {
    ReportFault(state, ui, kOutOfMemoryMessage);
  } catch (...) {
    ReportFault(state, ui, kUnexpectedFaultMessage);
  }
  state.Abandon = false;
  ui.SetBusy(false);
  return false;
}

}  // namespace ombrel
