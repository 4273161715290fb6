// The design problem of order one, the configuration problem: how far the
// approximate coordinates of chosen vertices should move, within a bound,
// for their cofactor matrix to come closest to a criterion matrix without
// its trace growing.
#pragma once

#include "design/design_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// For a project network (not matrix input): asks the c chosen vertices
// (distinct variable points, so c is at most their number), the bound h
// and the derivative step delta (metres, > 0), the network type of the
// free network and the criterion matrix; derives the cofactor minor
// numerically by re-forming the network with each coordinate shifted by
// delta, and solves the least-squares problem with the inequalities
// |shift| <= h and non-growing trace by Lagrange multipliers in two passes.
// Lists the shifts and the improved coordinates; PointX and PointY are left
// as they were.
//
// Cancelling any prompt but those of the criterion matrix (the count, a
// vertex, an increment, the network type or a precision of a review) writes
// the abandon line and returns DesignEnd::Abandoned.
// Run-time errors pass to the caller, with the coordinates restored.
DesignEnd DesignOrderOne(NetworkState& state, Interaction& ui);

}  // namespace ombrel
