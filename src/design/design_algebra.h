// Small matrix steps of the design problems, on 1-based matrices. Every
// arithmetic fault throws at the operation.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// The rows x cols block of m whose first element is m(row, col).
Matrix Block(const Matrix& m, int row, int col, int rows, int cols);

// Elements first .. first + n - 1 of v as a vector of n.
Vector Segment(const Vector& v, int first, int n);

// left - right, both rows x cols.
Matrix Difference(const Matrix& left, const Matrix& right, int rows, int cols);
Vector Difference(const Vector& left, const Vector& right, int n);

// A^t P (cols x rows) of the rows x cols matrix a and the rows x rows
// weights p.
Matrix TransposeTimesWeights(const Matrix& a, const Matrix& p, int rows, int cols);

}  // namespace ombrel
