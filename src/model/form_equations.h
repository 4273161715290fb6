// Forms the linearised system A x = K with weights P from the active network:
// from the points and observations of a project, or from the matrix files of
// an import. Sets Abandon (after its message) when the system cannot be used.
#pragma once

#include <optional>

#include "model/network_state.h"
#include "model/result.h"
#include "ui/interaction.h"

namespace ombrel {

// Angle rows: coefficients in 1e-4 gon per metre, K in 1e-4 gon.
// Distance rows: dimensionless coefficients, K in metres; the scale column
// holds -d. P is diagonal with the weights of ObsWeights row 2.
// For a project, A, K, P and CoefficientErrors must be dimensioned for
// NumObs + NumCondEq rows and ProjectUnknowns() columns beforehand
// (DimensionProjectSystem), with the condition terms already in K.
//
// A system that cannot be used (an observation on a missing vertex or
// without a direction, a row of zeros, a bad weight) is refused with its
// message, and Abandon is set.
void FormEquations(NetworkState& state, Interaction& ui);

// The project's part of it, which shows nothing: returns the refusal.
std::optional<Failure> FormProjectEquations(NetworkState& state);

// Dimensions A, K, P and CoefficientErrors of a project network, all zero.
void DimensionProjectSystem(NetworkState& state);

}  // namespace ombrel
