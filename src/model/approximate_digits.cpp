#include "model/approximate_digits.h"

#include <cmath>

#include "numeric/checked.h"

namespace ombrel {

double Log10(double x) {
  return Div(Log(x), Log(10.0));
}

int LeadingDigit(double x) {
  double a = std::fabs(Checked(x));
  if (a == 0.0) return 0;
  if (a >= 1.0) {
    while (a >= 10.0) a /= 10.0;
  } else {
    while (a < 1.0) a *= 10.0;
  }
  return static_cast<int>(a);  // truncation
}

double DigitLimit(double v, double r) {
  const int a = LeadingDigit(v);
  const double n = std::trunc(Add(Log10(Div(1.0, Mul(r, a))), 1.0));
  return Div(1.0, Mul(a, Checked(std::pow(10.0, n - 1.0))));
}

}  // namespace ombrel
