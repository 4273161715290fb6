#include "numeric/product.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"

namespace ombrel {

// Each row of the result accumulates the rows of ProdRight in increasing
// inner index, so every element keeps its own sum order while memory is read
// in order. A zero left factor adds a zero term, which changes no sum.
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
  std::vector<double> acc(static_cast<std::size_t>(cols) + 1);
  for (int i = 1; i <= rows; ++i) {
    std::fill(acc.begin(), acc.end(), 0.0);
    const double* left = k.ProdLeft.Row(i);
    for (int kk = 1; kk <= inner; ++kk) {
      const double a = left[kk];
      if (a == 0.0) continue;
      const double* right = k.ProdRight.Row(kk);
      for (int j = 1; j <= cols; ++j) acc[j] += a * right[j];
    }
    double* out = k.Product.Row(i);
    std::uint64_t bad = 0;
    for (int j = 1; j <= cols; ++j) {
      out[j] = acc[j];
      bad |= NotFiniteBit(acc[j]);
    }
    CheckRowFlags(bad, out, 1, cols);
  }
}

}  // namespace ombrel
