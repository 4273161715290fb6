// The " &Compensación " command: checks that the network can be adjusted by
// the chosen method, asks everything it needs, then forms the equations and
// runs the adjustment and its analyses into the listing file.
#pragma once

#include "adjust/command_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Menu item indexes of the three methods.
enum AdjustmentIndex { kAdjustInverse = 0, kAdjustConstraints = 1, kAdjustPseudoinverse = 2 };

// Runs the adjustment command for menu index 0, 1 or 2. Every prompt goes
// through ui; a failing step reports, abandons and leaves the listing with
// what was written, ended by InterruptedLine with the message shown; the
// application and the network stay usable.
CommandOutcome mnuInici_Click(NetworkState& state, Interaction& ui, int index);

}  // namespace ombrel
