#include "adjust/inversion_check.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "numeric/checked.h"
#include "numeric/product.h"
#include "numeric/run_time_error.h"

namespace ombrel {

std::string ScientificText(double value) {
  Checked(value);
  if (value == 0.0) return "0.0E00";  // also -0: no sign for a zero
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1E", value);
  const char* e = std::strchr(buffer, 'E');
  const int exponent = std::atoi(e + 1);
  const std::string mantissa(static_cast<const char*>(buffer), e);
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return mantissa + (exponent < 0 ? "E-" : "E") + digits;
}

namespace {

// Whether residue = N Qxx - I is rounding in the units of the unknowns. A
// non-positive diagonal (no normal matrix) leaves the element unscaled.
bool CheckHolds(const Matrix& normal, const Matrix& residue, int n) {
  const double bound = std::sqrt(std::numeric_limits<double>::epsilon());
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      const double nii = normal(i, i), njj = normal(j, j);
      const double units = nii > 0.0 && njj > 0.0 ? std::sqrt(njj / nii) : 1.0;
      if (!(std::fabs(residue(i, j)) * units <= bound)) return false;
    }
  return true;
}

}  // namespace

void WriteInversionCheck(ListingWriter& out, const Matrix& normal, const Matrix& inverse, int n) {
  out.BlankLine();
  out.BlankLine();
  out.NextZone("");
  out.Line("COMPROBACIÓN: MATRIZ ( At P A ).Qxx - I = 0 ");
  out.BlankLine();

  Matrix residue = MatrixProduct(normal, inverse, n, n, n);
  for (int i = 1; i <= n; ++i) residue(i, i) = Sub(residue(i, i), 1.0);

  for (int i = 1; i <= n; ++i) {
    out.NextZone("");
    for (int j = 1; j <= n; ++j) {
      const std::string text = ScientificText(residue(i, j));
      out.NextZone(text[0] == '-' ? text : " " + text);
    }
    out.BlankLine();
  }
  out.BlankLine();
  if (!CheckHolds(normal, residue, n))
    throw RunTimeError("La comprobación de la inversa no se cumple.");
}

}  // namespace ombrel
