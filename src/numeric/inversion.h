// Inversion of a square matrix of order n, read from elements 1..n x 1..n of
// an operand that may be larger; the inverse comes back as a new n x n
// matrix (row and column 0 zero), the operand unchanged.
//
// No method searches for pivots. Every method refuses a pivot that is
// negligible at rounding level (see PivotTolerance) with a division-by-zero
// ArithmeticFault, so a matrix that is singular except for rounding never
// yields an "inverse". Other arithmetic faults (the square root of a negative
// number in Cholesky, an overflow) throw ArithmeticFault too. An order above
// 32767 is an overflow; a negative order, or an operand smaller than
// n x n, is a SubscriptOutOfRange.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// The method of an inversion; the values are the indices of the choices
// the options offer.
enum class InversionMethod { GaussJordan = 0, LU = 1, Cholesky = 2 };

// The inverse of a (order n, 0..32767) by method: a^-1, n x n.
Matrix Invert(const Matrix& a, int n, InversionMethod method);

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
// thrown.
Matrix InvertByGaussJordan(const Matrix& a, int n);

// Doolittle LU decomposition without pivoting; the inverse is U^-1 L^-1.
Matrix InvertByLU(const Matrix& a, int n);

// Cholesky decomposition N = L L^t of a symmetric positive definite matrix;
// the inverse is (L^t)^-1 L^-1. Reads the lower triangle and diagonal only.
Matrix InvertByCholesky(const Matrix& a, int n);

}  // namespace ombrel
