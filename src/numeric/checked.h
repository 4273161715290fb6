// Checked floating-point operations. A result that is not finite, a division
// by zero and the square root of a negative number throw ArithmeticFault at the
// operation, so no NaN or infinity ever leaves a computation.
#pragma once

#include <cmath>

#include "numeric/run_time_error.h"

namespace ombrel {

[[noreturn]] void ThrowDivisionByZero();
[[noreturn]] void ThrowInvalidOperation(const char* what);
[[noreturn]] void ThrowOverflow();

// Returns x when finite; a NaN is an invalid operation, an infinity an overflow.
inline double Checked(double x) {
  if (!std::isfinite(x)) [[unlikely]] {
    if (std::isnan(x)) ThrowInvalidOperation("resultado no numérico");
    ThrowOverflow();
  }
  return x;
}

// a / b; b == 0 is a division by zero (0/0 included).
inline double Div(double a, double b) {
  if (b == 0.0) [[unlikely]] {
    if (a == 0.0) ThrowInvalidOperation("0/0");
    ThrowDivisionByZero();
  }
  return Checked(a / b);
}

// Square root; a negative argument is an invalid operation.
inline double Sqrt(double x) {
  if (x < 0.0 || std::isnan(x)) [[unlikely]]
    ThrowInvalidOperation("raíz cuadrada de un negativo");
  return Checked(std::sqrt(x));
}

inline double Mul(double a, double b) {
  return Checked(a * b);
}
inline double Add(double a, double b) {
  return Checked(a + b);
}
inline double Sub(double a, double b) {
  return Checked(a - b);
}

// Natural logarithm; x <= 0 is an invalid operation.
inline double Log(double x) {
  if (!(x > 0.0)) [[unlikely]]
    ThrowInvalidOperation("logaritmo de un número no positivo");
  return Checked(std::log(x));
}

// Converts to a 16-bit Integer by rounding half to even, as the program's
// whole numbers are; out of range is an overflow.
int ToInteger(double x);

// Adds to a 16-bit counter; leaving -32768..32767 is an overflow.
int CheckedCount(long value);

}  // namespace ombrel
