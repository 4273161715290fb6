// The " &Problemas de diseño " command: checks the network, asks for the
// listing file, forms the equations and runs the design problem of order
// zero, one or two into the listing.
#pragma once

#include "adjust/command_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Menu item indexes of the three design problems.
enum DesignIndex { kDesignOrderZero = 0, kDesignOrderOne = 1, kDesignOrderTwo = 2 };

// Runs the design command for menu index 0, 1 or 2. Every prompt goes
// through ui. A run-time error is reported and ends the command with the
// listing as far as it was written, ended by InterruptedLine with the
// message shown; the application and the network stay
// usable. Returns Abandoned when a design problem gave up, even though the
// orders one and two still offer the listing.
CommandOutcome mnuDesign_Click(NetworkState& state, Interaction& ui, int index);

}  // namespace ombrel
