// What the computing commands of the terminal share: making the network
// active as the desktop does, and turning a command's outcome into the exit
// status.
#pragma once

#include <iosfwd>

#include "adjust/command_outcome.h"
#include "cli/load_command.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// A project is loaded; an import is checked by forming its equations once.
bool ActivateNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source);

// 0 completed; 2 cancelled (said on err), refused or abandoned (their
// message was already shown).
int ExitStatusFor(CommandOutcome outcome, std::ostream& err);

}  // namespace ombrel
