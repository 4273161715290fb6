// Singular value decomposition A = U diag(sigma) V^t of InvInput (m x n,
// m >= n) by Householder bidiagonalisation and implicitly shifted QR, and
// the pseudoinverse A+ = V diag(sigma+) U^t accumulated onto InvResult.
#pragma once

#include "numeric/kernel_state.h"

namespace ombrel {

// Decomposes InvInput (1..m x 1..n, unchanged) and adds A+ (n x m) onto
// InvResult, which the caller sizes (zeroing it) beforehand. Precondition:
// m >= n (asserted). Leaves SvdU (U, then U with column j scaled by
// 1/sigma_j or zeroed), SvdV, SingularValues (unsorted), Em0 = 1e-14,
// Em1 (infinity norm), Em3, Em4 = 80, Em5 (QR iterations), Em7 (rank: the
// count of sigma above Em6) and SvdNotFound. Em2 = 1e-12 and Em6 = 1e-10
// unless EmUserSet is non-zero. When the iteration limit is reached,
// SvdNotFound > 0 and InvResult is left as it came. On return n holds
// SvdNotFound. Arithmetic faults throw ArithmeticFault.
void Pseudoinverse(KernelState& k, int m, int& n);

// Building blocks of the decomposition on SvdU and SvdV, each over the
// index range l..u (empty when l > u).
// Sum over r = l..u of SvdU(r, i) * SvdU(r, j).
double ColumnProductU(const KernelState& k, int l, int u, int i, int j);
// SvdU(r, i) += x * SvdU(r, j) for r = l..u.
void ColumnUpdateU(KernelState& k, int l, int u, int i, int j, double x);
// Sum over r = l..u of SvdU(i, r) * SvdU(j, r).
double RowProductU(const KernelState& k, int l, int u, int i, int j);
// SvdU(i, r) += x * SvdU(j, r) for r = l..u.
void RowUpdateU(KernelState& k, int l, int u, int i, int j, double x);
// SvdV(r, i) += x * SvdV(r, j) for r = l..u.
void ColumnUpdateV(KernelState& k, int l, int u, int i, int j, double x);
// Sum over r = l..u of SvdU(i, r) * SvdV(r, j).
double RowColumnProductUV(const KernelState& k, int l, int u, int i, int j);
// Plane rotation of columns i and j of SvdU over rows l..u: with x = SvdU(r, i)
// and y = SvdU(r, j), SvdU(r, i) = c x + s y and SvdU(r, j) = c y - s x.
void RotateColumnsU(KernelState& k, int l, int u, int i, int j, double c, double s);
// The same rotation on SvdV.
void RotateColumnsV(KernelState& k, int l, int u, int i, int j, double c, double s);

}  // namespace ombrel
