// The error figures of the hyperellipsoid x^t N x = 1 of the unknowns,
// N = A^t P A, by three methods: sections by the plane of every pair of
// coordinate unknowns, projections of the three-dimensional sections
// (rosettes), and ellipses built on pairs of projected semi-axes.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

extern const char* const kFigureFailure;

// Decomposes N (m = ProjectUnknowns() unknowns), asks how many eigenvalues
// to keep (k, 1..m; NumConstraints = m - k) and the homothetic factor c
// (>= 0), and writes the three methods to the listing (appending) and, with
// all details, to "elipses.tmp" beside it (rewritten every call). Leaves
// InvSqrtEigen, SemiAxisVectors, the Section*, Rosette* arrays,
// AxisProjSemiAxes, AxisProjCount and sets SectionsDone, RosettesDone,
// AxisProjDone as each method ends. Cancelling a prompt writes the
// abandon lines and returns without Abandon. Any run-time error (a zero or
// negative eigenvalue among those kept, c = 0, a degenerate figure, a file
// error) shows kFigureFailure and sets MessageText and Abandon.
void HyperellipsoidFigures(NetworkState& state, Interaction& ui);

}  // namespace ombrel
