// The design problem of order zero: the reference system that gives minimal
// corrections on a chosen group of vertices (their intrinsic precision).
#pragma once

#include "design/design_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Asks the number b (1 .. u - 1) of chosen vertices and their numbers
// (distinct variable points), then solves the system A x = K, P (formed
// beforehand, A's scale column ignored) with the corrections of the chosen
// group b of minimum norm: Xb = Pseudo(S) (Lb - M21 inv(M11) La), S =
// M22 - M21 inv(M11) M12 the reduced normal matrix of group b. Appends its
// section to ListingFileName. Leaves Ellipses.DesignVertexCount = b,
// Ellipses.DesignVertices (their numbers, by variable index), and in the
// solution Qxx = Pseudo(S) (2b x 2b), Residuals (n), Sigma0Sq, RankDefect =
// the rank defect of S and DegreesOfFreedom. Coordinates and corrections in
// metres.
//
// Cancelling the count or a precision of the review writes the abandon line
// and returns DesignEnd::Abandoned. No handler of its own:
// run-time errors (a singular M11, a listing that cannot be written) pass to
// the caller.
DesignEnd DesignOrderZero(NetworkState& state, Interaction& ui);

}  // namespace ombrel
