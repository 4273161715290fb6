#include "numeric/triangular_inverse.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "numeric/finite_check.h"
#include "numeric/product_tile.h"
#include "numeric/scratch.h"

namespace ombrel {

namespace {

// result(a, from..n) by rows, as sums in increasing i of the non-zero terms.
void MultiplyRowTail(const Matrix& x, const Matrix& y, int n, int a, int from,
                     std::vector<double>& acc, Matrix& result) {
  if (from > n) return;
  std::fill(acc.begin() + from, acc.end(), 0.0);
  const double* xa = x.Row(a);
  for (int i = std::max(a, from); i <= n; ++i) {
    const double xai = xa[i];
    if (xai == 0.0) continue;
    const double* yi = y.Row(i);
    for (int b = from; b <= i; ++b) acc[b] += xai * yi[b];
  }
  double* out = result.Row(a);
  for (int b = from; b <= n; ++b) out[b] = acc[b];
}

}  // namespace

// Row r of Y receives, element by element, y -= m(r, k) y(k, .) for
// k = 1..r-1 in increasing k, each with row k final. Rows are formed in
// groups of four: the columns left of the group take the terms of the rows
// above the group in register tiles (y - m p is formed as y + (-m) p, which
// is the same number), then every row of the group takes, in order, the
// remaining terms. Terms whose factor of Y is an exact zero are left out:
// they could only change the sign of a zero element, which no later sum
// sees.
void InvertUnitLower(const Matrix& multipliers, Matrix& y, int n) {
  Matrix& negated = ScratchMatrix(kScratchNegated, n, n);  // negated(r, k) = -m(r, k), by rows
  for (int k = 1; k < n; ++k) {
    const double* mk = multipliers.Row(k);
    for (int r = k + 1; r <= n; ++r) negated.Row(r)[k] = -mk[r];
  }
  const std::size_t stride = y.Stride();
  for (int r0 = 1; r0 <= n; r0 += 4) {
    const int group_end = std::min(r0 + 3, n);
    int tiled_end = 1;  // columns 1..tiled_end-1 are formed by tiles
    if (group_end == r0 + 3) {
      const double* rows[4] = {negated.Row(r0), negated.Row(r0 + 1), negated.Row(r0 + 2),
                               negated.Row(r0 + 3)};
      for (int c = 1; c + 3 <= r0 - 1; c += 4) {
        double tile[4][4] = {};
        AccumulateTile4x4(rows, y.Row(0) + c, stride, c, r0 - 1, tile);
        for (int q = 0; q < 4; ++q) {
          double* out = y.Row(r0 + q) + c;
          for (int cc = 0; cc < 4; ++cc) out[cc] = tile[q][cc];
        }
        tiled_end = c + 4;
      }
    }
    for (int r = r0; r <= group_end; ++r) {
      double* yr = y.Row(r);
      const double* nr = negated.Row(r);
      const int first_k = tiled_end > 1 ? r0 : 1;
      // Tiled columns: the terms of the group's own rows above r.
      for (int k = first_k; k < r; ++k) {
        const double m = nr[k];
        if (m == 0.0) continue;
        const double* yk = y.Row(k);
        for (int c = 1; c < tiled_end; ++c) yr[c] = yr[c] + m * yk[c];
      }
      // Other columns: every term, in increasing k.
      for (int k = 1; k < r; ++k) {
        const double m = nr[k];
        if (m == 0.0 || k < tiled_end) continue;  // y(k, c) = 0 for c > k
        const double* yk = y.Row(k);
        for (int c = tiled_end; c <= k; ++c) yr[c] = yr[c] + m * yk[c];
      }
      std::uint64_t bad = 0;
      for (int c = 1; c <= r; ++c) bad |= NotFiniteBit(yr[c]);
      CheckRowFlags(bad, yr, 1, r);
    }
  }
}

// Row r of X receives x -= u(r, k) x(k, .) for k = n..r+1 in decreasing k,
// each with row k final; formed like the lower inverse, from the bottom up.
void InvertUnitUpper(const Matrix& unit_upper, Matrix& x, int n) {
  Matrix& negated = ScratchMatrix(kScratchNegated, n, n);
  for (int r = 1; r <= n; ++r) {
    const double* ur = unit_upper.Row(r);
    double* nr = negated.Row(r);
    for (int k = r + 1; k <= n; ++k) nr[k] = -ur[k];
  }
  const std::size_t stride = x.Stride();
  for (int r1 = n; r1 >= 1; r1 -= 4) {
    const int group_start = std::max(r1 - 3, 1);
    int tiled_start = n + 1;  // columns tiled_start..n are formed by tiles
    if (group_start == r1 - 3) {
      const double* rows[4] = {negated.Row(r1 - 3), negated.Row(r1 - 2), negated.Row(r1 - 1),
                               negated.Row(r1)};
      for (int c = n - 3; c >= r1 + 1; c -= 4) {
        double tile[4][4] = {};
        AccumulateTile4x4<true>(rows, x.Row(0) + c, stride, r1 + 1, std::min(c + 3, n), tile);
        for (int q = 0; q < 4; ++q) {
          double* out = x.Row(r1 - 3 + q) + c;
          for (int cc = 0; cc < 4; ++cc) out[cc] = tile[q][cc];
        }
        tiled_start = c;
      }
    }
    for (int r = r1; r >= group_start; --r) {
      double* xr = x.Row(r);
      const double* nr = negated.Row(r);
      const int first_k = tiled_start <= n ? r1 : n;
      for (int k = first_k; k > r; --k) {
        const double m = nr[k];
        if (m == 0.0) continue;
        const double* xk = x.Row(k);
        for (int c = tiled_start; c <= n; ++c) xr[c] = xr[c] + m * xk[c];
      }
      for (int k = n; k > r; --k) {
        const double m = nr[k];
        if (m == 0.0 || k >= tiled_start) continue;  // x(k, c) = 0 for c < k
        const double* xk = x.Row(k);
        for (int c = k; c < tiled_start; ++c) xr[c] = xr[c] + m * xk[c];
      }
      std::uint64_t bad = 0;
      for (int c = r; c <= n; ++c) bad |= NotFiniteBit(xr[c]);
      CheckRowFlags(bad, xr, r, n);
    }
  }
}

// Four rows by four columns per register tile, starting at the first inner
// index whose term can be non-zero for any element of the tile (the terms
// before it are exact zeros, which change no sum); leftovers by rows.
void MultiplyUpperByLower(const Matrix& x, const Matrix& y, int n, Matrix& result) {
  std::vector<double> acc(static_cast<std::size_t>(n) + 1);
  const std::size_t stride = y.Stride();
  const double* y0 = y.Row(0);
  int a = 1;
  for (; a + 3 <= n; a += 4) {
    const double* rows[4] = {x.Row(a), x.Row(a + 1), x.Row(a + 2), x.Row(a + 3)};
    int b = 1;
    for (; b + 3 <= n; b += 4) {
      double tile[4][4] = {};
      AccumulateTile4x4(rows, y0 + b, stride, std::max(a, b), n, tile);
      for (int r = 0; r < 4; ++r) {
        double* out = result.Row(a + r) + b;
        for (int c = 0; c < 4; ++c) out[c] = tile[r][c];
      }
    }
    for (int r = 0; r < 4; ++r) MultiplyRowTail(x, y, n, a + r, b, acc, result);
  }
  for (; a <= n; ++a) MultiplyRowTail(x, y, n, a, 1, acc, result);
  for (int r = 1; r <= n; ++r) {
    const double* out = result.Row(r);
    std::uint64_t bad = 0;
    for (int c = 1; c <= n; ++c) bad |= NotFiniteBit(out[c]);
    CheckRowFlags(bad, out, 1, n);
  }
}

}  // namespace ombrel
