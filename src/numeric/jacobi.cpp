#include "numeric/jacobi.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "numeric/checked.h"
#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"
#include "numeric/scratch.h"

namespace ombrel {

namespace {

double OffDiagonalSum(const Matrix& w, int n) {
  double sum = 0.0;
  for (int p = 1; p <= n; ++p) {
    const double* wp = w.Row(p);
    for (int q = 1; q <= n; ++q)
      if (q != p) sum += std::fabs(wp[q]);
  }
  return Checked(sum);
}

// Rows i and j: (a, b) -> (a c + b s, -a s + b c) along the whole row.
// Unchecked when the sweep is known to stay far from overflow.
template <bool kChecked>
void RotateRowPair(double* ri, double* rj, int n, double c, double s) {
  std::uint64_t bad = 0;
  for (int k = 1; k <= n; ++k) {
    const double a = ri[k];
    const double b = rj[k];
    ri[k] = a * c + b * s;
    rj[k] = -a * s + b * c;
    if constexpr (kChecked) bad |= NotFiniteBit(ri[k]) | NotFiniteBit(rj[k]);
  }
  if (bad) {
    ThrowIfNotFinite(ri, 1, n);
    ThrowIfNotFinite(rj, 1, n);
  }
}

// Column i (held in column_i) and column j of W, walked across the rows.
template <bool kChecked>
void RotateColumnPair(double* column_i, Matrix& w, int j, int n, double c, double s) {
  std::uint64_t bad = 0;
  double* wkj = w.Row(1) + j;
  const std::size_t stride = w.Stride();
  for (int kk = 1; kk <= n; ++kk, wkj += stride) {
    const double a = column_i[kk];
    const double b = *wkj;
    column_i[kk] = a * c + b * s;
    *wkj = -a * s + b * c;
    if constexpr (kChecked) bad |= NotFiniteBit(column_i[kk]) | NotFiniteBit(*wkj);
  }
  if (bad) {
    ThrowIfNotFinite(column_i, 1, n);
    for (int kk = 1; kk <= n; ++kk) Checked(w.Row(kk)[j]);
  }
}

// Rotations are orthogonal: within one sweep no element of W can exceed the
// Frobenius norm at its start (at most n times the largest element) by more
// than rounding, nor any element of R exceed 1 by more than rounding. Below
// this bound a sweep cannot overflow, so its rotations need no checks.
bool SweepCannotOverflow(const Matrix& w, int n) {
  double largest = 0.0;
  for (int p = 1; p <= n; ++p) {
    const double* wp = w.Row(p);
    for (int q = 1; q <= n; ++q) largest = std::max(largest, std::fabs(wp[q]));
  }
  return largest * n < 1e300;
}

template <bool kChecked>
void Rotate(Matrix& w, Matrix& r, double* column_i, int i, int j, int n, double c, double s) {
  double* wi = w.Row(i);
  double* wj = w.Row(j);
  wi[i] = column_i[i];
  wj[i] = column_i[j];
  if constexpr (kChecked) {
    RotateRowPair<true>(wi, wj, n, c, s);
    RotateRowPair<true>(r.Row(i), r.Row(j), n, c, s);
  } else {
    double* ri = r.Row(i);
    double* rj = r.Row(j);
    for (int k = 1; k <= n; ++k) {
      const double a = wi[k];
      const double b = wj[k];
      const double e = ri[k];
      const double f = rj[k];
      wi[k] = a * c + b * s;
      wj[k] = -a * s + b * c;
      ri[k] = e * c + f * s;
      rj[k] = -e * s + f * c;
    }
  }
  column_i[i] = wi[i];
  column_i[j] = wj[i];
  RotateColumnPair<kChecked>(column_i, w, j, n, c, s);
}

// The angle that zeroes W(i, j): tan 2 theta = 2 W(i, j) / (W(i, i) - W(j, j)),
// as theta = arctan(1 / t) with t = (diff + D) / (2 w). Where that arithmetic
// would fail although the rotation is well defined (t cancels to exactly 0
// when diff < 0 and w is tiny beside it; t or 1/t overflows when w is tiny
// beside large diagonal elements), the same angle comes from the
// division-free 0.5 atan2(2 w, diff) instead; everywhere else the results
// are those of the formula above, bit for bit.
void RotationFor(double wii, double wjj, double wij, double& c, double& s) {
  const double diff = Checked(wii - wjj);
  const double d = Sqrt(Checked(diff * diff + 4.0 * wij * wij));
  const double twice = Checked(2.0 * wij);
  const double t = Checked(diff + d) / twice;  // twice is not zero
  double theta;
  if (t != 0.0 && std::isfinite(t) && std::isfinite(1.0 / t))
    theta = std::atan(1.0 / t);
  else
    theta = 0.5 * std::atan2(twice, diff);
  s = std::sin(theta);
  c = std::cos(theta);
}

}  // namespace

EigenResult Jacobi(const Matrix& a, int n) {
  RequireCount(n);
  RequireShape(a, n, n);

  Matrix& w = ScratchMatrix(kScratchFirst, n, n);
  Matrix& r = ScratchMatrix(kScratchSecond, n, n);
  for (int p = 1; p <= n; ++p) {
    const double* in = a.Row(p);
    std::copy(in + 1, in + n + 1, w.Row(p) + 1);
    r.Row(p)[p] = 1.0;
  }
  // Only the sum at the end of a sweep is ever seen, so it is formed once per
  // sweep rather than after every rotation. While the pairs (i, j) of one i
  // are rotated, column i of W lives in the contiguous `column_i`, so that
  // only column j is walked across the rows.
  std::vector<double> column_i(static_cast<std::size_t>(n) + 1);
  double off_sum = 0.0;
  int sweeps = 0;
  do {
    bool rotated = false;
    const bool unchecked = SweepCannotOverflow(w, n);
    for (int i = 1; i < n; ++i) {
      for (int p = 1; p <= n; ++p) column_i[p] = w.Row(p)[i];
      const double* wi = w.Row(i);
      for (int j = i + 1; j <= n; ++j) {
        const double wij = wi[j];
        if (wij == 0.0) continue;
        double c;
        double s;
        RotationFor(column_i[i], w.Row(j)[j], wij, c, s);
        if (unchecked)
          Rotate<false>(w, r, column_i.data(), i, j, n, c, s);
        else
          Rotate<true>(w, r, column_i.data(), i, j, n, c, s);
        rotated = true;
      }
      for (int p = 1; p <= n; ++p) w.Row(p)[i] = column_i[p];
    }
    ++sweeps;
    if (rotated) off_sum = OffDiagonalSum(w, n);
  } while (off_sum > kEigenOffSumBound && sweeps < kEigenMaxSweeps);

  EigenResult result;
  result.values.Redim(n);
  result.vectors.Redim(n, n);
  result.offDiagonalSum = OffDiagonalSum(w, n);
  result.sweeps = sweeps;
  for (int p = 1; p <= n; ++p) {
    const double* rp = r.Row(p);
    for (int q = 1; q <= n; ++q) result.vectors.Row(q)[p] = rp[q];
    result.values(p) = w.Row(p)[p];
  }
  return result;
}

}  // namespace ombrel
