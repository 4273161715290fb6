#include "numeric/triangular_inverse.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "numeric/finite_check.h"

namespace ombrel {

void InvertUnitLower(const Matrix& multipliers, Matrix& y, int n) {
  for (int k = 1; k < n; ++k) {
    const double* mk = multipliers.Row(k);
    const double* yk = y.Row(k);
    for (int r = k + 1; r <= n; ++r) {
      const double m = mk[r];
      if (m == 0.0) continue;
      double* yr = y.Row(r);
      std::uint64_t bad = 0;
      for (int c = 1; c <= k; ++c) {
        yr[c] = yr[c] - m * yk[c];
        bad |= NotFiniteBit(yr[c]);
      }
      CheckRowFlags(bad, yr, 1, k);
    }
  }
}

void InvertUnitUpper(const Matrix& unit_upper, Matrix& x, int n) {
  for (int k = n; k >= 2; --k) {
    const double* xk = x.Row(k);
    for (int r = k - 1; r >= 1; --r) {
      const double m = unit_upper.Row(r)[k];
      if (m == 0.0) continue;
      double* xr = x.Row(r);
      std::uint64_t bad = 0;
      for (int c = k; c <= n; ++c) {
        xr[c] = xr[c] - m * xk[c];
        bad |= NotFiniteBit(xr[c]);
      }
      CheckRowFlags(bad, xr, k, n);
    }
  }
}

void MultiplyUpperByLower(const Matrix& x, const Matrix& y, int n, Matrix& result) {
  std::vector<double> acc(static_cast<std::size_t>(n) + 1);
  for (int a = 1; a <= n; ++a) {
    std::fill(acc.begin(), acc.end(), 0.0);
    const double* xa = x.Row(a);
    for (int i = a; i <= n; ++i) {
      const double xai = xa[i];
      if (xai == 0.0) continue;
      const double* yi = y.Row(i);
      for (int b = 1; b <= i; ++b) acc[b] += xai * yi[b];
    }
    double* out = result.Row(a);
    std::uint64_t bad = 0;
    for (int b = 1; b <= n; ++b) {
      out[b] = acc[b];
      bad |= NotFiniteBit(acc[b]);
    }
    CheckRowFlags(bad, out, 1, n);
  }
}

}  // namespace ombrel
