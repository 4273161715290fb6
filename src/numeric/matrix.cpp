#include "numeric/matrix.h"

#include <string>

#include "numeric/checked.h"

namespace ombrel {

void ThrowSubscript(const char* what, long a, long b) {
  std::string text = std::string(what) + " (" + std::to_string(a);
  if (b != kNoSecond) text += ", " + std::to_string(b);
  throw SubscriptOutOfRange(text + ")");
}

void ThrowDimensionOverflow() {
  ThrowOverflow();
}

}  // namespace ombrel
