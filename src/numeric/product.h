// Matrix product of the shared operands:
// Product (ProdRows x ProdCols) = ProdLeft (ProdRows x ProdInner) *
// ProdRight (ProdInner x ProdCols). Product is re-dimensioned (so ProdInner
// = 0 gives zeros); each element is a sum from zero in increasing inner index.
// ProdLeftCols is not read. Sizes are 16-bit counts; an overflowing result
// throws ArithmeticFault.
#pragma once

#include "numeric/kernel_state.h"

namespace ombrel {

void MultiplyMatrices(KernelState& k);

}  // namespace ombrel
