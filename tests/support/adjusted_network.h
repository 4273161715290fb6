// Test fixtures for the adjustment steps: a project network loaded and its
// equations formed, and the constrained least-squares solution computed
// independently with Eigen and stored where the adjustment would leave it.
#pragma once

#include <string>

#include "model/network_state.h"

namespace ombrel::testing {

// Loads the project file; fails the current test when it cannot.
NetworkState Loaded(const std::string& projectPath);

// Forms the equations anew for the coordinates the state holds. Fails the
// current test on any message.
void FormAnew(NetworkState& state);

// Loads the project file and forms its equations (no scale unknown, no
// condition equations).
NetworkState LoadFormed(const std::string& projectPath);

// Rows of the system (observations and condition equations) and unknowns.
inline int Rows(const NetworkState& s) {
  return s.Network.NumObs + s.Equations.NumCondEq;
}
inline int Unknowns(const NetworkState& s) {
  return 2 * (s.Network.NumPoints - s.Network.NumFixed);
}

// Loads the project given as file text (written to a temporary file).
NetworkState LoadFormedText(const std::string& projectText);

// Fills NormalMatrix, Qxx, Corrections, Residuals, Sigma0Sq, Qvv, QAdjusted
// from A, K, P by Eigen (constrained network: N = At P A regular), and sizes
// the ellipse matrices for the variable points, as an adjustment with the
// inverse would leave them.
void SolveWithEigen(NetworkState& state);

// A random full-rank system of a network with `variable` points among
// `variable + 2` (the second and the last fixed), `obs` observations and
// optionally the scale unknown, solved with Eigen as above; Baarda's
// parameter 4.12. Point and observation numbers have one to three digits.
NetworkState RandomSystem(unsigned seed, int variable, int obs, int scale);

// The three-point network of the project file's documentation: one fixed
// point and four unknowns for three observations, so as a constrained
// network its normal matrix is singular in exact arithmetic (rounding may
// still leave every pivot nonzero).
std::string ThreePointProject();

}  // namespace ombrel::testing
