// Forms the linearised system A x = K with weights P from the active network:
// from the points and observations of a project, or from the matrix files of
// an import. Sets Abandon (after its message) when the system cannot be used.
#pragma once

#include "model/network_state.h"
#include "model/result.h"
#include "ui/interaction.h"

namespace ombrel {

// Forms the system of the active network: a project's with
// FormProjectEquations, an import's from its matrix files
// (FormImportedEquations). A system that cannot be used (an observation on
// a missing vertex or without a direction, a row of zeros, a bad weight, a
// matrix file that cannot be read) is refused with its message, and Abandon
// is set.
void FormEquations(NetworkState& state, Interaction& ui);

// The observation equations of a project network, from its approximate
// coordinates (metres). Angle rows: coefficients in 1e-4 gon per metre, K in
// 1e-4 gon. Distance rows: dimensionless coefficients, K in metres; the
// scale column holds -d. P is diagonal with the weights of ObsWeights row 2;
// the condition equations follow the observations. With
// options.StudyApprox, CoefficientErrors holds the error bounds of A from
// options.ApproxPrecision.
//
// frame must be dimensioned for NumObs + NumCondEq rows and the coordinate
// unknowns plus ScaleUnknown columns (DimensionProjectSystem), with the
// condition terms already in K. Returns frame with A, K, P,
// CoefficientErrors and NumUnknowns formed, or the refusal. Shows nothing.
Result<EquationSystem> FormProjectEquations(const SurveyNetwork& network, EquationSystem frame,
                                            const RunOptions& options);

// Dimensions A, K, P and CoefficientErrors of a project network, all zero.
void DimensionProjectSystem(NetworkState& state);

}  // namespace ombrel
