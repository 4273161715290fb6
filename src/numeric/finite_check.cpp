#include "numeric/finite_check.h"

#include "numeric/checked.h"

namespace ombrel {

void ThrowIfNotFinite(const double* p, int from, int to) {
  for (int k = from; k <= to; ++k) Checked(p[k]);
}

}  // namespace ombrel
