#include "cli/review_commands.h"

#include <ostream>

#include "adjust/blunder_command.h"
#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "cli/command_outcome_status.h"
#include "ui/terminal_interaction.h"

namespace ombrel {
namespace {

int Usage(std::ostream& err) {
  err << kUsage;
  return kExitUsage;
}

}  // namespace

int RunBlunderCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                      std::ostream& err, bool terminal) {
  ComputeOptions options;
  std::string error;
  NetworkSource source;
  std::vector<std::string> rest;
  if (!ParseComputeOptions(args, options, error) || !ParseNetworkSource(args, 0, source, rest) ||
      !rest.empty()) {
    err << (error.empty() ? "" : error + "\n");
    return Usage(err);
  }
  NetworkState state;
  if (!ApplyComputeOptions(options, state, error)) {
    err << error << '\n';
    return kExitUsage;
  }
  if (!CheckOutputOptions(state, options, source, {options.transcriptFile}, err)) return kExitUsage;
  return RunWithAnswers(options, state, in, out, err, terminal, [&](TerminalInteraction& ui) {
    if (!ActivateNetwork(state, ui, source)) return kExitStopped;
    return ExitStatusFor(FindBlundersCommand(state, ui), err);
  });
}

}  // namespace ombrel
