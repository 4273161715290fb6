#include "cli/command_outcome_status.h"

#include <ostream>

#include "cli/cli_app.h"
#include "model/project_file.h"

namespace ombrel {

bool ActivateNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source) {
  if (!source.project.empty()) return LoadProjectFile(state, ui, source.project);
  return LoadNetwork(state, ui, source);
}

int ExitStatusFor(CommandOutcome outcome, std::ostream& err) {
  switch (outcome) {
    case CommandOutcome::Completed:
      return kExitOk;
    case CommandOutcome::Cancelled:
      err << "Orden cancelada.\n";
      return kExitStopped;
    case CommandOutcome::Refused:
    case CommandOutcome::Abandoned:
      return kExitStopped;
  }
  return kExitStopped;
}

}  // namespace ombrel
