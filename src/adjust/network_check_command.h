// " Revisar " › "Comprobar la red": asks for which adjustment the network is
// meant and shows what would stop or weaken it.
#pragma once

#include <string>
#include <vector>

#include "adjust/command_outcome.h"
#include "adjust/network_check.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// The report: a heading naming the method, then one line per finding, or
// the one line of a clean network. Lines joined by CR LF.
std::string FindingsReport(const std::vector<Finding>& findings, const CheckSettings& settings);

// Needs a project (not matrices). Asks the method (1 inverse, 2 the matrix
// E, 3 the pseudoinverse; default 1) and, for the inverse, whether the scale
// factor is an unknown, as the adjustment does; then shows the report
// (information icon when clean, exclamation otherwise). Changes nothing.
CommandOutcome CheckNetworkCommand(const NetworkState& state, Interaction& ui);

}  // namespace ombrel
