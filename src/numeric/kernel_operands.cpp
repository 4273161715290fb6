#include "numeric/kernel_operands.h"

namespace ombrel {

void RequireCount(long n) {
  if (n > kMaxDimension) ThrowDimensionOverflow();
  if (n < 0) ThrowSubscript("dimensión no válida", n, kNoSecond);
}

void RequireShape(const Matrix& m, int rows, int cols) {
  RequireCount(rows);
  RequireCount(cols);
  if (rows > m.Rows() || cols > m.Cols())
    ThrowSubscript("subíndice fuera del intervalo", rows, cols);
}

}  // namespace ombrel
