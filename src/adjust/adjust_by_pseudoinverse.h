// The adjustment of a network whatever its rank defect by the minimum-norm
// least-squares solution x = (sqrt(P) A)+ sqrt(P) K, the pseudoinverse coming
// from a singular value decomposition that the person reviews.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Adjusts over the 2 (NumPoints - NumFixed) coordinate unknowns (a scale
// column left in A is not part of this method), m = NumObs + NumCondEq rows.
// Decomposes sqrt(P) A (its transpose when m < u), lets the person review
// the singular values, then decomposes N = A^t P A for Qxx = N+; r = m minus
// the rank found for N. The default em6 of each review is relative to the
// largest singular value, 16 u eps of it for N and the square root of that
// share for sqrt(P) A, so that both ranks agree unless the person types
// other precisions, which the reviews leave in tolerances. Appends its
// section to ListingFileName and returns N, Qxx, x, v, sigma0², Qvv,
// QAdjusted and RankDefect = the rank defect of sqrt(P) A. sqrt(P) is taken element
// by element, so P must have no negative element. When a decomposition does
// not converge (some singular value not found) its pseudoinverse is zero.
//
// No handler of its own: run-time errors (r = 0, a negative weight, a
// listing that cannot be written) pass to the caller.
AdjustmentSolution AdjustByPseudoinverse(const NetworkState& state, SvdTolerances& tolerances,
                                         Interaction& ui);

}  // namespace ombrel
