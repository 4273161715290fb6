// The adjustment of a free network with the matrix of constraints E: the d
// equations E x = 0 fix the reference parameters that the fixed points leave
// undefined.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Solves A x = K + v with weights P over the 2 (NumPoints - NumFixed)
// coordinate unknowns (a scale column left in A is not part of this method),
// m = NumObs + NumCondEq rows, with Qxx = (N + E^t E)^-1 - E^t (E E^t)^-2 E
// and x = Qxx A^t P K; r = m - u + d. E is formed here for a project
// (Datum Type1 .. Type8, see FormConstraintMatrix) and used as
// imported for matrix input. Appends its section to ListingFileName and
// leaves NormalMatrix, Qxx, Corrections, Residuals, Sigma0Sq, Qvv, QAdjusted
// and NumConstraints = d. Units as in AdjustByInverse.
//
// No handler of its own: run-time errors (a singular matrix, r = 0, a
// listing that cannot be written) pass to the caller.
void AdjustByConstraints(NetworkState& state, Interaction& ui);

}  // namespace ombrel
