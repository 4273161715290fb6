#include "cli/design_command.h"

#include <string>
#include <utility>
#include <vector>

#include "cli/command_outcome_status.h"
#include "design/design_driver.h"

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

}  // namespace

int RunDesignCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err, Terminals terminals) {
  DesignProblem problem = DesignProblem::OrderZero;
  return RunOnNetwork(
      std::move(args), in, out, err, terminals,
      [&](std::vector<std::string>& rest) { return ParseOrder(rest, problem); },
      [&](NetworkState& state, Interaction& ui) { return RunDesign(state, ui, problem); });
}

}  // namespace ombrel
