// Checks of the formed equation system shared by the project and the import
// branches of the formation of equations. Each returns the refusal to show
// (a beep and the message with the information icon), or nothing.
#pragma once

#include <optional>

#include "model/geometry.h"
#include "model/result.h"
#include "model/survey_network.h"
#include "numeric/matrix.h"

namespace ombrel {

// The points of observation i (indices, back 0 for a distance) must be
// distinct and stand apart: between two points at one approximate position
// no direction is defined, so the row would be arbitrary. The message names
// the equation and the vertex numbers.
std::optional<Failure> CheckObservationPoints(const SurveyNetwork& network, int i,
                                              const ObservationPoints& p);

// Whether every coefficient 1..cols of row `row` of a is zero.
bool IsZeroRow(const Matrix& a, int row, int cols);

// A row of a (1..rows) with every coefficient (1..cols) zero cannot be
// adjusted: it joins only fixed points.
std::optional<Failure> CheckZeroRows(const Matrix& a, int rows, int cols);

// Every diagonal weight p(i, i), i = 1..rows, must be positive.
std::optional<Failure> CheckWeights(const Matrix& p, int rows);

}  // namespace ombrel
