// The design problem of order one, the configuration problem: how far the
// approximate coordinates of chosen vertices should move, within a bound,
// for their cofactor matrix to come closest to a criterion matrix without
// its trace growing.
#pragma once

#include <optional>
#include <vector>

#include "design/design_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// For a project network (not matrix input): asks the c chosen vertices
// (distinct variable points, so c is at most their number), the bound h
// and the derivative step delta (metres, > 0), the network type of the
// free network and the criterion matrix; derives the cofactor minor
// numerically by re-forming a copy of the network with each coordinate
// shifted by delta, and solves the least-squares problem with the
// inequalities |shift| <= h and non-growing trace by Lagrange multipliers in
// two passes. Lists the shifts and the improved coordinates. The reviews of
// singular values may change tolerances.
//
// Returns the shift of each chosen vertex, in the order chosen. Cancelling
// any prompt but those of the criterion matrix (the count, a vertex, an
// increment, the network type or a precision of a review) writes the
// abandon line and returns nullopt. Run-time errors pass to the caller.
std::optional<std::vector<VertexShift>> DesignOrderOne(const NetworkState& state,
                                                       SvdTolerances& tolerances, Interaction& ui);

}  // namespace ombrel
