#include "numeric/product.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"
#include "numeric/product_tile.h"

namespace ombrel {

namespace {

// product(i, from..cols) by rows: the rows of right are accumulated in
// increasing inner index, so every element keeps its own sum order while
// memory is read in order. A zero left factor adds a zero term, which
// changes no sum.
void StoreRowTail(const Matrix& left, const Matrix& right, int inner, int cols, int i, int from,
                  std::vector<double>& acc, Matrix& product) {
  if (from > cols) return;
  std::fill(acc.begin() + from, acc.end(), 0.0);
  const double* li = left.Row(i);
  for (int kk = 1; kk <= inner; ++kk) {
    const double a = li[kk];
    if (a == 0.0) continue;
    const double* rk = right.Row(kk);
    for (int j = from; j <= cols; ++j) acc[j] += a * rk[j];
  }
  double* out = product.Row(i);
  for (int j = from; j <= cols; ++j) out[j] = acc[j];
}

}  // namespace

Matrix MatrixProduct(const Matrix& left, const Matrix& right, int rows, int inner, int cols) {
  RequireCount(rows);
  RequireCount(inner);
  RequireCount(cols);
  if (inner > 0) {  // with no inner terms the factors are not read
    RequireShape(left, rows, inner);
    RequireShape(right, inner, cols);
  }
  Matrix product(rows, cols);
  if (inner == 0) return product;
  const std::size_t stride = right.Stride();
  const double* right0 = right.Row(0);
  std::vector<double> acc(static_cast<std::size_t>(cols) + 1);
  int i = 1;
  // Four rows at a time, four columns per register tile; leftover columns
  // and rows go through the row form below.
  for (; i + 3 <= rows; i += 4) {
    const double* a[4] = {left.Row(i), left.Row(i + 1), left.Row(i + 2), left.Row(i + 3)};
    int j = 1;
    for (; j + 3 <= cols; j += 4) {
      double tile[4][4] = {};
      AccumulateTile4x4(a, right0 + j, stride, 1, inner, tile);
      for (int r = 0; r < 4; ++r) {
        double* out = product.Row(i + r) + j;
        for (int c = 0; c < 4; ++c) out[c] = tile[r][c];
      }
    }
    for (int r = 0; r < 4; ++r) StoreRowTail(left, right, inner, cols, i + r, j, acc, product);
  }
  for (; i <= rows; ++i) StoreRowTail(left, right, inner, cols, i, 1, acc, product);
  for (int r = 1; r <= rows; ++r) {
    const double* out = product.Row(r);
    std::uint64_t bad = 0;
    for (int c = 1; c <= cols; ++c) bad |= NotFiniteBit(out[c]);
    CheckRowFlags(bad, out, 1, cols);
  }
  return product;
}

}  // namespace ombrel
