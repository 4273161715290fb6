// Inversion of the square matrix InvInput (order n, 1..n x 1..n) into
// InvResult, which the caller sizes to at least n x n beforehand. InvInput is
// never modified; only elements 1..n x 1..n of InvResult are written.
//
// No method searches for pivots. Every method refuses a pivot that is
// negligible at rounding level (see PivotTolerance) with a division-by-zero
// ArithmeticFault, so a matrix that is singular except for rounding never
// yields an "inverse". Other arithmetic faults (the square root of a negative
// number in Cholesky, an overflow) throw ArithmeticFault too; InvResult is
// then left unchanged or partly written. An order above 32767 is an overflow.
#pragma once

#include "numeric/kernel_state.h"

namespace ombrel {

// Inverts by the method that k.InversionMethod names: kInversionLU,
// kInversionCholesky, any other value Gauss-Jordan.
void InvertMatrix(KernelState& k, int n);

// The largest pivot magnitude that counts as zero for the order-n matrix a:
// 16 n eps times the largest |a(i, i)|. Eliminating a matrix that is singular
// in exact arithmetic leaves its dependent pivot at rounding level, a few
// n eps times the diagonal (under 1.1 n eps on the singular networks tried),
// while the pivots of regular networks, also with the scale unknown beside
// coordinates, stay above 1e4 n eps of it.
double PivotTolerance(const Matrix& a, int n);

// Throws ArithmeticFault (division by zero) when |pivot| <= tolerance.
void RequirePivot(double pivot, double tolerance);

// Gauss-Jordan elimination without pivoting. An exactly zero pivot is
// repaired by adding the first row below with a non-zero element in that
// column; when there is none the matrix is singular and SingularMatrix is
// thrown (InvResult unchanged).
void InvertByGaussJordan(KernelState& k, int n);

// Doolittle LU decomposition without pivoting; InvResult = U^-1 L^-1.
void InvertByLU(KernelState& k, int n);

// Cholesky decomposition N = L L^t of a symmetric positive definite matrix;
// InvResult = (L^t)^-1 L^-1. Reads the lower triangle and diagonal only.
void InvertByCholesky(KernelState& k, int n);

}  // namespace ombrel
