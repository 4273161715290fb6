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
// formed. Lists the preliminary pseudoinverse solution, asks the a-priori
// variance of unit weight (> 0) and the criterion matrix (Baarda's absolute
// criterion, the means of the preliminary cofactors, a file or typed by
// hand), and lists the designed weight of each observation with the number
// of repetitions it amounts to, p(i) / (P(i,i) sigma^2). The reviews of
// singular values may change tolerances.
//
// Returns Qxx = QxxE, the preliminary Residuals and Sigma0Sq (the
// a-posteriori estimate), and the criterion file read. Cancelling a prompt
// or a precision of a review writes the abandon line and leaves no
// solution. Run-time errors pass to the caller.
OrderTwoRun DesignOrderTwo(const NetworkState& state, SvdTolerances& tolerances, Interaction& ui);

}  // namespace ombrel
