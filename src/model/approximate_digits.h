// Digit rules of calculation with approximate numbers.
#pragma once

namespace ombrel {

// Log(x) / Log(10); x must be positive.
double Log10(double x);

// First significant decimal digit of |x| (1..9); 0 for x = 0.
int LeadingDigit(double x);

// The relative error that corresponds to the correct significant digits of
// a value v (v != 0) known with relative error r (r > 0):
// 1 / (a * 10^(n-1)), a = LeadingDigit(v), n = Fix(Log10(1 / (r * a)) + 1).
double DigitLimit(double v, double r);

}  // namespace ombrel
