// The design problem of order zero: the reference system that gives minimal
// corrections on a chosen group of vertices (their intrinsic precision).
#pragma once

#include <optional>

#include "design/design_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Asks the number b (1 .. u - 1) of chosen vertices and their numbers
// (distinct variable points), then solves the system A x = K, P (formed
// beforehand, A's scale column ignored) with the corrections of the chosen
// group b of minimum norm: Xb = Pseudo(S) (Lb - M21 inv(M11) La), S =
// M22 - M21 inv(M11) M12 the reduced normal matrix of group b. Appends its
// section to ListingFileName. Coordinates and corrections in metres. The
// review of S's singular values may change tolerances.
//
// Returns the solution on the chosen group, or nullopt when the person
// cancels the count or a precision of the review (the abandon line is
// written). No handler of its own: run-time errors (a singular M11, a
// listing that cannot be written) pass to the caller.
std::optional<OrderZeroResult> DesignOrderZero(const NetworkState& state, SvdTolerances& tolerances,
                                               Interaction& ui);

}  // namespace ombrel
