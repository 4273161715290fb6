// Dense products of the adjustments. Every element is a sum from 0.0 over
// the inner index in increasing order, so results do not depend on how the
// loops are arranged. Exact zero terms are skipped: a sum that starts from
// +0.0 is unchanged, bit for bit, by adding a product with a zero factor, and
// the design matrix and the weights of a network are mostly zeros.
//
// Matrices are 1-based; sizes are 16-bit counts (0..32767) and each operand
// must hold at least the stated rows x columns (otherwise SubscriptOutOfRange).
// A result that is not finite (an overflow somewhere in its sum) throws
// ArithmeticFault.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// out (rows x cols, re-dimensioned) = left (rows x inner) * right (inner x cols):
// out(i, j) = sum over k of left(i, k) * right(k, j).
void Multiply(const Matrix& left, const Matrix& right, int rows, int inner, int cols, Matrix& out);

// out (rows x cols, re-dimensioned) = left (rows x inner) * right^t, right
// being cols x inner: out(i, j) = sum over k of left(i, k) * right(j, k).
void MultiplyByTranspose(const Matrix& left, const Matrix& right, int rows, int inner, int cols,
                         Matrix& out);

// out (cols x rows, re-dimensioned) = m^t, m being rows x cols.
void Transpose(const Matrix& m, int rows, int cols, Matrix& out);

// out (rows, re-dimensioned) = m (rows x cols) * v: out(i) = sum over j of m(i, j) * v(j).
void MultiplyVector(const Matrix& m, const Vector& v, int rows, int cols, Vector& out);

// v^t m (cols, re-dimensioned), m being rows x cols: out(j) = sum over i of v(i) * m(i, j).
void VectorTimesMatrix(const Vector& v, const Matrix& m, int rows, int cols, Vector& out);

// Sum over i = 1..n of a(i) * b(i).
double Dot(const Vector& a, const Vector& b, int n);

}  // namespace ombrel
