// The adjustment of a free network with the matrix of constraints E: the d
// equations E x = 0 fix the reference parameters that the fixed points leave
// undefined.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Appends the opening of the method's section to ListingFileName and, for
// a project, forms E (NumConstraints x 2u) for the chosen Datum (Type1 ..
// Type8, see FormConstraintMatrix); imported matrices bring their E.
// Returns false when the entry of E was cancelled.
bool StartConstraintAdjustment(NetworkState& state, Interaction& ui);

// Solves A x = K + v with weights P over the u = 2 (NumPoints - NumFixed)
// coordinate unknowns (a scale column left in A is not part of this method),
// m = NumObs + NumCondEq rows and the d = NumConstraints rows of E, with
// Qxx = (N + E^t E)^-1 - E^t (E E^t)^-2 E and x = Qxx A^t P K; r = m - u + d.
// Appends the rest of the section to ListingFileName and returns N, Qxx, x,
// v, sigma0², Qvv and QAdjusted. Units as in AdjustByInverse.
//
// No handler of its own: run-time errors (a singular matrix, r = 0, a
// listing that cannot be written) pass to the caller.
AdjustmentSolution AdjustByConstraints(const NetworkState& state);

}  // namespace ombrel
