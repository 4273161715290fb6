// Straightforward transcriptions of the kernel's algorithms, element by
// element through checked subscripts, with every loop complete (no skipped
// zeros, no reordered loop nests). The kernel must reproduce their results
// bit for bit: they pin down the summation orders that fix the last bits of
// printed results.
#pragma once

#include "numeric/matrix.h"

namespace ombrel::literal {

// Each returns the inverse of a (order n) or throws as the kernel does.
Matrix GaussJordan(const Matrix& a, int n);
Matrix Lu(const Matrix& a, int n);
Matrix Cholesky(const Matrix& a, int n);
Matrix Product(const Matrix& left, const Matrix& right, int rows, int inner, int cols);

struct Eigen {
  Matrix vectors;  // columns
  Matrix values;   // n x 1
  int sweeps = 0;
  double off_sum = 0.0;
};
// Cyclic Jacobi with the off-diagonal sum recomputed after every rotation.
Eigen Jacobi(const Matrix& a, int n, int max_sweeps);

}  // namespace ombrel::literal
