// Singular value decomposition A = U diag(sigma) V^t of an m x n matrix
// (m >= n) by Householder bidiagonalisation and implicitly shifted QR, and
// the pseudoinverse A+ = V diag(sigma+) U^t.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// The control values of a decomposition, all positive. Lengths compare with
// a share of the infinity norm of A, the singular values themselves with
// smallestSingularValue in the units of A.
struct SvdTolerances {
  // em0: a column or row part of the bidiagonalisation shorter than this
  // share of the norm is not reflected.
  double machinePrecision = 1e-14;
  // em2: a bidiagonal element below this share of the norm counts as zero
  // in the iteration.
  double relativePrecision = 1e-12;
  // em4: the QR iterations allowed for each singular value, counted from the
  // last one that converged.
  int iterationLimit = 80;
  // em6: a singular value at or below this is dropped from the
  // pseudoinverse and from the rank.
  double smallestSingularValue = 1e-10;
};

struct SvdResult {
  // A+ (n x m); zeros when some singular value was not found.
  Matrix pseudoinverse;
  // U (m x n). When every singular value was found, column j is scaled by
  // 1 / sigma_j, or zeroed where sigma_j is dropped.
  Matrix u;
  // V (n x n), orthogonal.
  Matrix v;
  // sigma_1..sigma_n, non-negative, unsorted.
  Vector singularValues;
  // em1: the infinity norm of A (largest sum of absolute values of a row).
  double norm = 0.0;
  // em3: the largest superdiagonal element neglected as zero.
  double largestNeglected = 0.0;
  // em5: the QR iterations made in all.
  int iterations = 0;
  // em7: the numerical rank, n minus the singular values found at or below
  // smallestSingularValue.
  int rank = 0;
  // The singular values not found when the iteration limit ended the
  // iteration; 0 on success.
  int notFound = 0;
};

// Decomposes elements 1..m x 1..n of a (which may be larger; 0 <= n <= m <=
// 32767, m >= n asserted) and forms its pseudoinverse. Sizes out of range or
// an operand smaller than m x n throw as the other kernel routines do.
// Arithmetic faults (an overflow, a division by zero, as in an all-zero
// matrix of more than one column) throw ArithmeticFault.
SvdResult Pseudoinverse(const Matrix& a, int m, int n, const SvdTolerances& tolerances);

}  // namespace ombrel
