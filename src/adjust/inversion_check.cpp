#include "adjust/inversion_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numeric/checked.h"
#include "numeric/product.h"

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

void WriteInversionCheck(ListingWriter& out, KernelState& kernel, int n) {
  out.BlankLine();
  out.BlankLine();
  out.NextZone("");
  out.Line("COMPROBACIÓN: MATRIZ ( At P A ).Qxx - I = 0 ");
  out.BlankLine();

  kernel.ProdRows = kernel.ProdLeftCols = kernel.ProdInner = kernel.ProdCols = n;
  kernel.ProdLeft.Redim(n, n);
  kernel.ProdRight.Redim(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      kernel.ProdLeft(i, j) = kernel.InvInput(i, j);
      kernel.ProdRight(i, j) = kernel.InvResult(i, j);
    }
  MultiplyMatrices(kernel);
  for (int i = 1; i <= n; ++i) kernel.Product(i, i) = Sub(kernel.Product(i, i), 1.0);

  for (int i = 1; i <= n; ++i) {
    out.NextZone("");
    for (int j = 1; j <= n; ++j) {
      const std::string text = ScientificText(kernel.Product(i, j));
      out.NextZone(text[0] == '-' ? text : " " + text);
    }
    out.BlankLine();
  }
  out.BlankLine();
}

}  // namespace ombrel
