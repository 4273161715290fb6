// Steps shared by the LU and Cholesky inversions: the inverses of unit
// triangular factors by row elimination, and their product. Only the
// triangles that can hold non-zero values are visited; the skipped terms are
// exact zeros, which change no sum and no non-zero element.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// Y = L^-1 by rows: for k = 1..n-1 and r = k+1..n, row r of Y minus
// m = multipliers(k, r) times row k. Y arrives with its diagonal set (rows of
// the identity divided as the factor was) and leaves lower triangular.
void InvertUnitLower(const Matrix& multipliers, Matrix& y, int n);

// X = U^-1 by rows: for k = n..2 and r = k-1..1, row r of X minus
// m = unit_upper(r, k) times row k. X arrives with its diagonal set and
// leaves upper triangular.
void InvertUnitUpper(const Matrix& unit_upper, Matrix& x, int n);

// result(a, b) = sum over i = 1..n of x(a, i) y(i, b), accumulated from zero
// in increasing i, for x upper and y lower triangular.
void MultiplyUpperByLower(const Matrix& x, const Matrix& y, int n, Matrix& result);

}  // namespace ombrel
