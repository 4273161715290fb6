// Eigendecomposition of a symmetric matrix by the cyclic Jacobi method.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// Sweeps stop once the off-diagonal sum is at most this absolute bound.
inline constexpr double kEigenOffSumBound = 1e-5;
// At most this many sweeps, so that rounding with very large entries, which
// can keep the off-diagonal sum above the bound, never hangs the caller.
inline constexpr int kEigenMaxSweeps = 60;

struct EigenResult {
  // The eigenvalues 1..n, unsorted (in the order of the diagonal they end on).
  Vector values;
  // n x n; column p is the unit eigenvector of values(p).
  Matrix vectors;
  // The sweeps made: 1..kEigenMaxSweeps.
  int sweeps = 0;
  // The sum of the absolute off-diagonal elements of the final rotated
  // matrix, in the units of the input.
  double offDiagonalSum = 0.0;
};

// Diagonalises elements 1..n x 1..n of the symmetric matrix a (which may be
// larger; only they are read). n is 0..32767 (above: ArithmeticFault
// overflow; negative, or a smaller operand: SubscriptOutOfRange).
// Arithmetic faults throw ArithmeticFault.
EigenResult Jacobi(const Matrix& a, int n);

}  // namespace ombrel
