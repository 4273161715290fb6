// A least-squares solution of A x = K + v with diagonal weights whatever
// the datum defect of A: the elimination holds at zero the unknowns that
// the others leave undetermined, which changes neither the residuals nor
// their cofactors, and the corrections are then made the solution of least
// norm (the datum of the pseudoinverse), so that they do not depend on the
// elimination's choice. The tools that look at
// a network beside the adjustment (the blunder finder, the network check)
// use it; the adjustment methods keep their own listings.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// Below this fraction of the largest diagonal element of N = At P A, a
// pivot of the elimination counts as zero: its unknown depends on the
// others (a datum defect).
inline constexpr double kDependentPivot = 1e-10;

struct LeastSquaresSolution {
  int rank = 0;              // rank of N found by the elimination
  Vector corrections;        // x (cols), of least norm when N is singular
  Vector residuals;          // v = A x - K (rows), in the units of each row
  Vector redundancy;         // r(i) = P(i) Qvv(i,i), 0..1 (rounding may leave it just outside)
  double weightedSum = 0;    // v^t P v
  int degreesOfFreedom = 0;  // rows - rank
};

// a: rows x cols, k: rows, weights: rows (all > 0), 1-based; rows and cols
// at least 1. Forms N = At P A and eliminates it with symmetric pivoting
// (largest remaining diagonal first). Arithmetic faults throw ArithmeticFault.
LeastSquaresSolution SolveLeastSquares(const Matrix& a, const Vector& k, const Vector& weights,
                                       int rows, int cols);

}  // namespace ombrel
