// Working matrices of the kernel routines, kept from one call to the next so
// that a routine does not allocate and page in fresh memory on every call
// (at the orders of network matrices that costs as much as the arithmetic).
// The routines are not re-entrant anyway; each uses its own slots.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

enum ScratchSlot {
  kScratchFirst = 0,
  kScratchSecond,
  kScratchThird,
  kScratchFourth,
  kScratchFifth,
  kScratchNegated,  // used inside the triangular inverses
  kScratchSlots
};

// The matrix of `slot`, re-dimensioned to rows x cols (zero-filled).
Matrix& ScratchMatrix(ScratchSlot slot, int rows, int cols);

}  // namespace ombrel
