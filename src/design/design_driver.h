// The " &Problemas de diseño " command: checks the network, asks for the
// listing file, forms the equations and runs the design problem of order
// zero, one or two into the listing.
#pragma once

#include "adjust/command_outcome.h"
#include "design/design_problem.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Runs the design command for the problem chosen. Every prompt goes
// through ui. A run-time error is reported and ends the command with the
// listing as far as it was written, ended by InterruptedLine with the
// message shown; the application and the network stay
// usable. Returns Abandoned when a design problem gave up, even though the
// orders one and two still offer the listing.
CommandOutcome RunDesign(NetworkState& state, Interaction& ui, DesignProblem problem);

}  // namespace ombrel
