// The study of the calculation with approximate numbers: how far the error
// bounds of the coefficients of A (CoefficientErrors, dA) carry into the
// normal matrix, to first order dS = At P dA + dAt P A.
#pragma once

#include <optional>

#include "model/network_state.h"
#include "model/result.h"
#include "numeric/matrix.h"

namespace ombrel {

// Appends to the listing ListingFileName the section of the study: the
// matrix dA under a heading that names the unknown of each column, then dS.
// Reads A (n x m), P (n x n) and CoefficientErrors (n x m), with
// n = NumObs + NumCondEq equations and m = 2 (NumPoints - NumFixed) +
// ScaleUnknown unknowns; the coefficients' units are those of A. Uses the
// product operands of the kernel. A run-time error (arithmetic fault, file
// error) ends the section where it happened and its failure is returned;
// what was written stays in the listing.
std::optional<Failure> ApproximateNumbersStudy(const NetworkState& state);

// The transpose of the rows x cols block of m (cols x rows).
Matrix TransposeMatrix(const Matrix& m, int rows, int cols);

// The sum of the rows x cols blocks of left and right; an overflowing
// element throws ArithmeticFault.
Matrix AddMatrices(const Matrix& left, const Matrix& right, int rows, int cols);

}  // namespace ombrel
