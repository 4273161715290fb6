// Eigendecomposition of the symmetric matrix InvInput (order n, read only)
// by the cyclic Jacobi method.
#pragma once

#include "numeric/kernel_state.h"

namespace ombrel {

// Sweeps stop once the off-diagonal sum is at most this absolute bound.
inline constexpr double kEigenOffSumBound = 1e-5;
// At most this many sweeps, so that rounding with very large entries, which
// can keep the off-diagonal sum above the bound, never hangs the caller.
inline constexpr int kEigenMaxSweeps = 60;

// Leaves the eigenvalues, unsorted, in EigenValues(1..n) and the matching
// eigenvectors in the columns of InvResult(1..n, 1..n) (both sized by the
// caller), the sweeps made in EigenSweeps (at least 1) and the sum of the
// absolute off-diagonal elements of the final rotated matrix in EigenOffSum.
// Arithmetic faults throw ArithmeticFault.
void EigenSymmetric(KernelState& k, int n);

}  // namespace ombrel
