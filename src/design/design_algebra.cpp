#include "design/design_algebra.h"

#include "adjust/row_products.h"
#include "numeric/checked.h"

namespace ombrel {

Matrix Block(const Matrix& m, int row, int col, int rows, int cols) {
  Matrix block(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) block(i, j) = m(row + i - 1, col + j - 1);
  return block;
}

Vector Segment(const Vector& v, int first, int n) {
  Vector part(n);
  for (int i = 1; i <= n; ++i) part(i) = v(first + i - 1);
  return part;
}

Matrix Difference(const Matrix& left, const Matrix& right, int rows, int cols) {
  Matrix d(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) d(i, j) = Sub(left(i, j), right(i, j));
  return d;
}

Vector Difference(const Vector& left, const Vector& right, int n) {
  Vector d(n);
  for (int i = 1; i <= n; ++i) d(i) = Sub(left(i), right(i));
  return d;
}

Matrix TransposeTimesWeights(const Matrix& a, const Matrix& p, int rows, int cols) {
  Matrix at;
  Transpose(a, rows, cols, at);
  Matrix atp;
  Multiply(at, p, cols, rows, rows, atp);
  return atp;
}

}  // namespace ombrel
