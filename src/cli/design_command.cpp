#include "cli/design_command.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "cli/command_outcome_status.h"
#include "cli/load_command.h"
#include "cli/options.h"
#include "design/design_driver.h"
#include "model/project_file.h"
#include "model/text_file.h"
#include "ui/terminal_interaction.h"

namespace ombrel {
namespace {

bool ParseOrder(std::vector<std::string>& args, DesignProblem& problem) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--orden") continue;
    const std::string order = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    if (order.size() != 1 || order[0] < '0' || order[0] > '2') return false;
    problem = static_cast<DesignProblem>(order[0] - '0');
    return true;
  }
  return false;
}

int Run(NetworkState& state, TerminalInteraction& ui, const NetworkSource& source,
        DesignProblem problem, std::ostream& err) {
  if (!ActivateNetwork(state, ui, source)) return kExitStopped;
  return ExitStatusFor(RunDesign(state, ui, problem), err);
}

}  // namespace

int RunDesignCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err, Terminals terminals) {
  ComputeOptions options;
  std::string error;
  DesignProblem problem = DesignProblem::OrderZero;
  NetworkSource source;
  std::vector<std::string> rest;
  if (!ParseComputeOptions(args, options, error) || !ParseOrder(args, problem) ||
      !ParseNetworkSource(args, 0, source, rest) || !rest.empty()) {
    err << (error.empty() ? "" : error + "\n") << kUsage;
    return kExitUsage;
  }
  NetworkState state;
  if (!ApplyComputeOptions(options, state, error)) {
    err << error << '\n';
    return kExitUsage;
  }
  if (!CheckOutputOptions(state, options, source, {options.transcriptFile}, err)) return kExitUsage;
  return RunWithAnswers(options, state, in, out, err, terminals, [&](TerminalInteraction& ui) {
    return Run(state, ui, source, problem, err);
  });
}

}  // namespace ombrel
