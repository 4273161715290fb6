// Checks of the formed equation system shared by the project and the import
// branches of the formation of equations. Each failing check beeps, shows
// its message (information icon, OK), sets Abandon and returns false.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// A row of A (1..rows) with every coefficient (1..cols) zero cannot be
// adjusted: it joins only fixed points.
bool CheckZeroRows(NetworkState& state, Interaction& ui, int rows, int cols);

// Every diagonal weight P(i, i), i = 1..rows, must be positive.
bool CheckWeights(NetworkState& state, Interaction& ui, int rows);

}  // namespace ombrel
