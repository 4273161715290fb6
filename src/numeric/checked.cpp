#include "numeric/checked.h"

#include <cfenv>

namespace ombrel {

void ThrowDivisionByZero() {
  throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero, "división por cero");
}

void ThrowInvalidOperation(const char* what) {
  throw ArithmeticFault(ArithmeticFault::Kind::InvalidOperation, what);
}

void ThrowOverflow() {
  throw ArithmeticFault(ArithmeticFault::Kind::Overflow, "desbordamiento");
}

int ToInteger(double x) {
  Checked(x);
  const double r = std::nearbyint(x);  // default rounding mode: ties to even
  if (r < -32768.0 || r > 32767.0) ThrowOverflow();
  return static_cast<int>(r);
}

int CheckedCount(long value) {
  if (value < -32768 || value > 32767) ThrowOverflow();
  return static_cast<int>(value);
}

}  // namespace ombrel
