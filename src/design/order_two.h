// The design problem of order two: the observation weights that best give
// the unknowns a chosen criterion cofactor matrix QxxE, by the first
// procedure vec diag(P) = (A^t o A^t)+ vec((QxxE)+), o the Khatri-Rao
// (column-wise Kronecker) product.
#pragma once

#include "design/design_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Reads A (its 2u coordinate columns; a scale column is ignored), P and K as
// formed, and Qxx sized 2u x 2u by the caller. Lists the preliminary
// pseudoinverse solution, asks the a-priori variance of unit weight (> 0)
// and the criterion matrix (Baarda's absolute criterion, the means of the
// preliminary cofactors, a file or typed by hand), and lists the designed
// weight of each observation with the number of repetitions it amounts to,
// p(i) / (P(i,i) sigma^2). Leaves in the solution Qxx = QxxE and Sigma0Sq
// (the a-posteriori estimate).
//
// Cancelling a precision of a review writes the abandon line and returns
// DesignEnd::Abandoned. Run-time errors pass to the caller.
DesignEnd DesignOrderTwo(NetworkState& state, Interaction& ui);

}  // namespace ombrel
