// Validation of the sizes handed to the kernel routines, so that their inner
// loops can use unchecked row pointers safely.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

// An order or count of 16-bit range: negative is a bad subscript, above 32767
// an overflow.
void RequireCount(long n);

// The matrix must hold at least rows x cols elements from index 1.
void RequireShape(const Matrix& m, int rows, int cols);

}  // namespace ombrel
