#include "numeric/scratch.h"

#include <array>

namespace ombrel {

Matrix& ScratchMatrix(ScratchSlot slot, int rows, int cols) {
  thread_local std::array<Matrix, kScratchSlots> pool;
  Matrix& m = pool[static_cast<std::size_t>(slot)];
  m.Redim(rows, cols);
  return m;
}

}  // namespace ombrel
