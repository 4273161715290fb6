// Matrix product of the kernel. Each element is a sum from zero in
// increasing inner index, so the blocking of the loops changes no bit of a
// result.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// left (rows x inner) * right (inner x cols) as a new rows x cols matrix:
// element (i, j) is the sum over k = 1..inner of left(i, k) * right(k, j).
// The factors may be larger than stated; only their leading blocks are
// read, and with inner = 0 they are not read at all (the result is zeros).
// Sizes are 0..32767 (above: ArithmeticFault overflow; negative, or a
// factor smaller than stated: SubscriptOutOfRange). An element that is not
// finite throws ArithmeticFault.
Matrix MatrixProduct(const Matrix& left, const Matrix& right, int rows, int inner, int cols);

}  // namespace ombrel
