// The " &Compensación " command: checks that the network can be adjusted by
// the chosen method, asks everything it needs, then forms the equations and
// runs the adjustment and its analyses into the listing file.
#pragma once

#include "adjust/adjustment_method.h"
#include "adjust/command_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Runs the adjustment command by the method chosen. Every prompt goes
// through ui; a failing step reports, abandons and leaves the listing with
// what was written, ended by InterruptedLine with the message shown; the
// application and the network stay usable.
CommandOutcome RunAdjustment(NetworkState& state, Interaction& ui, AdjustmentMethod method);

// The adjustment step of the command, once the equations are formed and the
// listing begun: the method's solution becomes state.Solution; a failure
// the method reports (the inverse's run-time errors, a cancelled entry of E)
// is shown, set in MessageText and abandons. Other run-time errors pass to
// the caller.
void AdjustAndKeep(NetworkState& state, Interaction& ui, AdjustmentMethod method);

}  // namespace ombrel
