// Register-blocked accumulation of four rows by four columns of a matrix
// product. Each of the sixteen sums runs in increasing inner index, exactly
// as a plain scalar sum would, so the blocking changes no bit of a result;
// it only lets each loaded element serve four products.
#pragma once

#include <cstddef>

namespace ombrel {

// acc[r][c] += sum over i = lo..hi of a[r][i] * b[i * stride + c], r, c = 0..3,
// in increasing i. `b` points at element (0, first column) of the right factor
// seen with row stride `stride`.
// With Descending, i runs from hi down to lo instead.
template <bool Descending = false>
inline void AccumulateTile4x4(const double* const a[4], const double* b, std::size_t stride, int lo,
                              int hi, double acc[4][4]) {
  double c00 = acc[0][0], c01 = acc[0][1], c02 = acc[0][2], c03 = acc[0][3];
  double c10 = acc[1][0], c11 = acc[1][1], c12 = acc[1][2], c13 = acc[1][3];
  double c20 = acc[2][0], c21 = acc[2][1], c22 = acc[2][2], c23 = acc[2][3];
  double c30 = acc[3][0], c31 = acc[3][1], c32 = acc[3][2], c33 = acc[3][3];
  const double* a0 = a[0];
  const double* a1 = a[1];
  const double* a2 = a[2];
  const double* a3 = a[3];
  for (int step = 0; step <= hi - lo; ++step) {
    const int i = Descending ? hi - step : lo + step;
    const double* bi = b + static_cast<std::size_t>(i) * stride;
    const double b0 = bi[0], b1 = bi[1], b2 = bi[2], b3 = bi[3];
    const double x0 = a0[i], x1 = a1[i], x2 = a2[i], x3 = a3[i];
    c00 += x0 * b0;
    c01 += x0 * b1;
    c02 += x0 * b2;
    c03 += x0 * b3;
    c10 += x1 * b0;
    c11 += x1 * b1;
    c12 += x1 * b2;
    c13 += x1 * b3;
    c20 += x2 * b0;
    c21 += x2 * b1;
    c22 += x2 * b2;
    c23 += x2 * b3;
    c30 += x3 * b0;
    c31 += x3 * b1;
    c32 += x3 * b2;
    c33 += x3 * b3;
  }
  acc[0][0] = c00, acc[0][1] = c01, acc[0][2] = c02, acc[0][3] = c03;
  acc[1][0] = c10, acc[1][1] = c11, acc[1][2] = c12, acc[1][3] = c13;
  acc[2][0] = c20, acc[2][1] = c21, acc[2][2] = c22, acc[2][3] = c23;
  acc[3][0] = c30, acc[3][1] = c31, acc[3][2] = c32, acc[3][3] = c33;
}

}  // namespace ombrel
