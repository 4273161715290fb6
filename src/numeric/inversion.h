// Inversion of the square matrix InvInput (order n, 1..n x 1..n) into
// InvResult, which the caller sizes to at least n x n beforehand. InvInput is
// never modified; only elements 1..n x 1..n of InvResult are written.
//
// No method searches for pivots. Arithmetic faults (a zero pivot of the
// triangular methods, the square root of a negative number in Cholesky, an
// overflow) throw ArithmeticFault and leave InvResult unchanged or partly
// written; an order above 32767 is an overflow.
#pragma once

#include "numeric/kernel_state.h"

namespace ombrel {

// Inverts by the method that k.InversionMethod names: kInversionLU,
// kInversionCholesky, any other value Gauss-Jordan.
void InvertMatrix(KernelState& k, int n);

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
