// The adjustment of a constrained network ("red ligada"): the fixed points
// define the reference system, so the normal matrix At P A is regular and is
// inverted directly.
#pragma once

#include "model/network_state.h"
#include "model/result.h"

namespace ombrel {

// Solves A x = K + v with weights P by least squares, for the equations
// formed from a project or from imported matrices (m = NumObs + NumCondEq
// rows, u = ProjectUnknowns() columns; P's diagonal must be positive), and
// appends its section to the listing ListingFileName, which the header has
// created. Returns N, Qxx = N^-1, the corrections x, the residuals
// v = A x - K, sigma0² with r = m - u, Qvv and QAdjusted. Units follow the
// equations: metres for coordinates and distances, 1e-4 gon for angles.
// FullOutput adds the matrices; CheckInversion (with FullOutput) adds
// N Qxx - I.
//
// Any run-time error (an arithmetic fault, a singular N, a check of the
// inversion that fails, no degrees of freedom, a listing that cannot be
// written) returns the failure to show; the listing keeps what was written
// before the fault. SingularMatrix from the Gauss-Jordan inversion is not
// handled here: it passes to the caller.
Result<AdjustmentSolution> AdjustByInverse(const NetworkState& state);

}  // namespace ombrel
