// Checks of the formed equation system shared by the project and the import
// branches of the formation of equations. Each failing check beeps, shows
// its message (information icon, OK), sets Abandon and returns false.
#pragma once

#include "model/geometry.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// The points of observation i (indices, back 0 for a distance) must be
// distinct and stand apart: between two points at one approximate position
// no direction is defined, so the row would be arbitrary. The message names
// the equation and the vertex numbers.
bool CheckObservationPoints(NetworkState& state, Interaction& ui, int i,
                            const ObservationPoints& p);

// A row of A (1..rows) with every coefficient (1..cols) zero cannot be
// adjusted: it joins only fixed points.
bool CheckZeroRows(NetworkState& state, Interaction& ui, int rows, int cols);

// Every diagonal weight P(i, i), i = 1..rows, must be positive.
bool CheckWeights(NetworkState& state, Interaction& ui, int rows);

}  // namespace ombrel
