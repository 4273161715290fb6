#include "numeric/product.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"
#include "numeric/product_tile.h"

namespace ombrel {

namespace {

// Product(i, from..cols) by rows: the rows of ProdRight are accumulated in
// increasing inner index, so every element keeps its own sum order while
// memory is read in order. A zero left factor adds a zero term, which
// changes no sum.
void StoreRowTail(KernelState& k, int i, int from, std::vector<double>& acc) {
  const int cols = k.ProdCols;
  if (from > cols) return;
  std::fill(acc.begin() + from, acc.end(), 0.0);
  const double* left = k.ProdLeft.Row(i);
  for (int kk = 1; kk <= k.ProdInner; ++kk) {
    const double a = left[kk];
    if (a == 0.0) continue;
    const double* right = k.ProdRight.Row(kk);
    for (int j = from; j <= cols; ++j) acc[j] += a * right[j];
  }
  double* out = k.Product.Row(i);
  for (int j = from; j <= cols; ++j) out[j] = acc[j];
}

}  // namespace

void MultiplyMatrices(KernelState& k) {
  const int rows = k.ProdRows;
  const int inner = k.ProdInner;
  const int cols = k.ProdCols;
  RequireCount(rows);
  RequireCount(inner);
  RequireCount(cols);
  if (inner > 0) {  // with no inner terms the factors are not read
    RequireShape(k.ProdLeft, rows, inner);
    RequireShape(k.ProdRight, inner, cols);
  }
  k.Product.Redim(rows, cols);
  if (inner == 0) return;
  const std::size_t stride = k.ProdRight.Stride();
  const double* right = k.ProdRight.Row(0);
  std::vector<double> acc(static_cast<std::size_t>(cols) + 1);
  int i = 1;
  // Four rows at a time, four columns per register tile; leftover columns
  // and rows go through the row form below.
  for (; i + 3 <= rows; i += 4) {
    const double* a[4] = {k.ProdLeft.Row(i), k.ProdLeft.Row(i + 1), k.ProdLeft.Row(i + 2),
                          k.ProdLeft.Row(i + 3)};
    int j = 1;
    for (; j + 3 <= cols; j += 4) {
      double tile[4][4] = {};
      AccumulateTile4x4(a, right + j, stride, 1, inner, tile);
      for (int r = 0; r < 4; ++r) {
        double* out = k.Product.Row(i + r) + j;
        for (int c = 0; c < 4; ++c) out[c] = tile[r][c];
      }
    }
    for (int r = 0; r < 4; ++r) StoreRowTail(k, i + r, j, acc);
  }
  for (; i <= rows; ++i) StoreRowTail(k, i, 1, acc);
  for (int r = 1; r <= rows; ++r) {
    const double* out = k.Product.Row(r);
    std::uint64_t bad = 0;
    for (int c = 1; c <= cols; ++c) bad |= NotFiniteBit(out[c]);
    CheckRowFlags(bad, out, 1, cols);
  }
}

}  // namespace ombrel
