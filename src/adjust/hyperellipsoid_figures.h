// The error figures of the hyperellipsoid x^t N x = 1 of the unknowns,
// N = A^t P A, by three methods: sections by the plane of every pair of
// coordinate unknowns, projections of the three-dimensional sections
// (rosettes), and ellipses built on pairs of projected semi-axes.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

extern const char* const kFigureFailure;

// What a run of the figures leaves: the figures of the methods that ended
// (each method's Done flag set as it ends, so that those computed before a
// failure are still offered), and whether a run-time error stopped it.
struct FigureRun {
  HyperellipsoidFigureSet figures;
  bool failed = false;
};

// Decomposes N = A^t P A (m = ProjectUnknowns() unknowns), asks how many
// eigenvalues to keep (k, 1..m; the rank defect written is m - k) and the
// homothetic factor c (>= 0), and writes the three methods to the listing
// (appending) and, with all details, to "elipses.tmp" beside it (rewritten
// every call). Cancelling a prompt writes the abandon lines and returns the
// figures ended so far, not failed. Any run-time error (a zero or negative
// eigenvalue among those kept, c = 0, a degenerate figure, a file error)
// shows kFigureFailure and returns failed.
FigureRun HyperellipsoidFigures(const NetworkState& state, Interaction& ui);

}  // namespace ombrel
