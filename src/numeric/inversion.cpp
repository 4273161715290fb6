#include "numeric/inversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "numeric/checked.h"
#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"
#include "numeric/scratch.h"
#include "numeric/triangular_inverse.h"

namespace ombrel {

namespace {

void RequireInversionOperand(const Matrix& a, int n) {
  RequireCount(n);
  RequireShape(a, n, n);
}

}  // namespace

double PivotTolerance(const Matrix& a, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(a(i, i)));
  return 16.0 * n * std::numeric_limits<double>::epsilon() * largest;
}

void RequirePivot(double pivot, double tolerance) {
  if (std::fabs(pivot) <= tolerance) ThrowDivisionByZero();
}

Matrix Invert(const Matrix& a, int n, InversionMethod method) {
  switch (method) {
    case InversionMethod::LU:
      return InvertByLU(a, n);
    case InversionMethod::Cholesky:
      return InvertByCholesky(a, n);
    case InversionMethod::GaussJordan:
      break;
  }
  return InvertByGaussJordan(a, n);
}

// W is reduced to the identity while B, starting as the identity, receives the
// same row operations. Two savings keep every stored bit of B as the plain
// elimination would leave it:
//  - W(., c) for a column c that has already been a pivot is never read again
//    (columns are independent under row operations), so only the columns
//    right of the pivot are updated;
//  - the columns of B that no pivot or repair has reached yet hold zeros
//    (and the untouched unit diagonal). They are not stored until reached;
//    instead the sign of those zeros, uniform along each row, is tracked in
//    `negative_zero`, so the zeros appear with the sign the arithmetic gives.
// B, zero-filled like the elements it never reaches, is the result.
Matrix InvertByGaussJordan(const Matrix& a, int n) {
  RequireInversionOperand(a, n);
  Matrix& w = ScratchMatrix(kScratchFirst, n, n);
  Matrix b(n, n);
  for (int r = 1; r <= n; ++r) {
    const double* in = a.Row(r);
    std::copy(in + 1, in + n + 1, w.Row(r) + 1);
    b.Row(r)[r] = 1.0;
  }
  const double tolerance = PivotTolerance(a, n);
  std::vector<unsigned char> negative_zero(static_cast<std::size_t>(n) + 1, 0);
  int stored = 0;  // columns 1..stored of B are kept explicitly
  auto store_columns_up_to = [&](int last) {
    for (int c = stored + 1; c <= last; ++c)
      for (int r = 1; r <= n; ++r)
        if (r != c && negative_zero[r]) b.Row(r)[c] = -0.0;
    stored = std::max(stored, last);
  };

  for (int i = 1; i <= n; ++i) {
    double* wi = w.Row(i);
    double* bi = b.Row(i);
    store_columns_up_to(i);
    if (wi[i] == 0.0) {
      int j = i + 1;
      while (j <= n && w.Row(j)[i] == 0.0) ++j;
      if (j > n) throw SingularMatrix();
      store_columns_up_to(j);
      const double* wj = w.Row(j);
      const double* bj = b.Row(j);
      std::uint64_t bad = 0;
      for (int c = i; c <= n; ++c) {
        wi[c] = wi[c] + wj[c];
        bad |= NotFiniteBit(wi[c]);
      }
      for (int c = 1; c <= stored; ++c) {
        bi[c] = bi[c] + bj[c];
        bad |= NotFiniteBit(bi[c]);
      }
      if (bad) {
        ThrowIfNotFinite(wi, i, n);
        ThrowIfNotFinite(bi, 1, stored);
      }
      negative_zero[i] = negative_zero[i] && negative_zero[j];
    }

    const double pivot = wi[i];
    RequirePivot(pivot, tolerance);
    const int last = stored;
    for (int j = 1; j <= n; ++j) {
      if (j == i) continue;
      double* wj = w.Row(j);
      double* bj = b.Row(j);
      const double f = Div(-wj[i], pivot);
      std::uint64_t bad_w = 0;
      for (int c = i + 1; c <= n; ++c) {
        wj[c] = wj[c] + f * wi[c];
        bad_w |= NotFiniteBit(wj[c]);
      }
      std::uint64_t bad_b = 0;
      for (int c = 1; c <= last; ++c) {
        bj[c] = bj[c] + f * bi[c];
        bad_b |= NotFiniteBit(bj[c]);
      }
      CheckRowFlags(bad_w, wj, i + 1, n);
      CheckRowFlags(bad_b, bj, 1, last);
      // f times a zero of row i, added to a zero of row j.
      const bool product_negative = std::signbit(f) != (negative_zero[i] != 0);
      negative_zero[j] = negative_zero[j] && product_negative;
    }

    std::uint64_t bad = 0;
    for (int c = 1; c <= last; ++c) {
      bi[c] = bi[c] / pivot;
      bad |= NotFiniteBit(bi[c]);
    }
    for (int c = i + 1; c <= n; ++c) {
      wi[c] = wi[c] / pivot;
      bad |= NotFiniteBit(wi[c]);
    }
    if (bad) {
      ThrowIfNotFinite(bi, 1, last);
      ThrowIfNotFinite(wi, i + 1, n);
    }
    negative_zero[i] = (negative_zero[i] != 0) != std::signbit(pivot);
  }
  return b;
}

// Doolittle: row i of U, then column i of L, each element as N minus a sum
// accumulated from zero in increasing k. L is kept transposed (lt(k, j) =
// L(j, k)) so that both sums run along contiguous rows.
Matrix InvertByLU(const Matrix& a, int n) {
  RequireInversionOperand(a, n);
  Matrix& u = ScratchMatrix(kScratchFirst, n, n);
  Matrix& lt = ScratchMatrix(kScratchSecond, n, n);
  const double tolerance = PivotTolerance(a, n);
  std::vector<double> acc(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) {
    std::fill(acc.begin() + i, acc.end(), 0.0);
    for (int kk = 1; kk < i; ++kk) {
      const double lik = lt.Row(kk)[i];
      if (lik == 0.0) continue;  // a zero term leaves a sum bit for bit unchanged
      const double* uk = u.Row(kk);
      for (int j = i; j <= n; ++j) acc[j] += lik * uk[j];
    }
    double* ui = u.Row(i);
    const double* ai = a.Row(i);
    for (int j = i; j <= n; ++j) ui[j] = Checked(ai[j] - acc[j]);
    RequirePivot(ui[i], tolerance);

    std::fill(acc.begin() + i + 1, acc.end(), 0.0);
    for (int kk = 1; kk < i; ++kk) {
      const double uki = u.Row(kk)[i];
      if (uki == 0.0) continue;
      const double* ltk = lt.Row(kk);
      for (int j = i + 1; j <= n; ++j) acc[j] += ltk[j] * uki;
    }
    const double uii = ui[i];
    double* lti = lt.Row(i);
    for (int j = i + 1; j <= n; ++j) lti[j] = Div(a.Row(j)[i] - acc[j], uii);
  }

  // Row k of U divided by U(k, k): the unit upper factor and the diagonal of U^-1.
  Matrix& x = ScratchMatrix(kScratchThird, n, n);
  for (int kk = 1; kk <= n; ++kk) {
    double* uk = u.Row(kk);
    const double d = uk[kk];
    x.Row(kk)[kk] = Div(1.0, d);
    std::uint64_t bad = 0;
    for (int c = kk + 1; c <= n; ++c) {
      uk[c] = uk[c] / d;
      bad |= NotFiniteBit(uk[c]);
    }
    CheckRowFlags(bad, uk, kk + 1, n);
  }
  InvertUnitUpper(u, x, n);

  Matrix& y = ScratchMatrix(kScratchFourth, n, n);
  for (int r = 1; r <= n; ++r) y.Row(r)[r] = 1.0;
  InvertUnitLower(lt, y, n);

  Matrix inverse(n, n);
  MultiplyUpperByLower(x, y, n, inverse);
  return inverse;
}

// Column j of L from the rows above it: L(j, j) = sqrt(N(j, j) - sum of
// L(j, k)^2) and L(i, j) = (N(i, j) - sum of L(j, k) L(i, k)) / L(j, j), each
// sum from zero in increasing k. (Forming L by rows instead, recomputing the
// diagonal at every step, gives the same values; a failing intermediate
// square root implies a failing final one, so the same matrices fail.)
Matrix InvertByCholesky(const Matrix& a, int n) {
  RequireInversionOperand(a, n);
  const double tolerance = PivotTolerance(a, n);
  Matrix& lt = ScratchMatrix(kScratchFirst, n, n);  // lt(k, i) = L(i, k), upper triangular
  // Columns are formed four at a time: the terms of the rows above the group
  // are accumulated for the four columns in one pass (each element of L
  // loaded once serves four sums), then each column takes the terms of the
  // group's own earlier columns and is finished, all in increasing k.
  Matrix acc(4, n);  // acc(q, i): the sum of column j0 + q - 1, row i
  for (int j0 = 1; j0 <= n; j0 += 4) {
    const int j1 = std::min(j0 + 3, n);
    const int width = j1 - j0 + 1;
    for (int q = 1; q <= 4; ++q) std::fill(acc.Row(q) + 1, acc.Row(q) + n + 1, 0.0);
    double* a0 = acc.Row(1);
    double* a1 = acc.Row(2);
    double* a2 = acc.Row(3);
    double* a3 = acc.Row(4);
    for (int kk = 1; kk < j0; ++kk) {
      const double* ltk = lt.Row(kk);
      if (width == 4) {
        const double l0 = ltk[j0], l1 = ltk[j0 + 1], l2 = ltk[j0 + 2], l3 = ltk[j0 + 3];
        if (l0 == 0.0 && l1 == 0.0 && l2 == 0.0 && l3 == 0.0) continue;
        // Rows i below a column's diagonal are not used (nor checked).
        for (int i = j0; i <= n; ++i) {
          const double p = ltk[i];
          a0[i] += l0 * p;
          a1[i] += l1 * p;
          a2[i] += l2 * p;
          a3[i] += l3 * p;
        }
      } else {
        for (int q = 0; q < width; ++q) {
          const double ljk = ltk[j0 + q];
          if (ljk == 0.0) continue;
          double* aq = acc.Row(q + 1);
          for (int i = j0 + q; i <= n; ++i) aq[i] += ljk * ltk[i];
        }
      }
    }
    for (int q = 0; q < width; ++q) {
      const int j = j0 + q;
      double* aq = acc.Row(q + 1);
      for (int kk = j0; kk < j; ++kk) {
        const double* ltk = lt.Row(kk);
        const double ljk = ltk[j];
        if (ljk == 0.0) continue;
        for (int i = j; i <= n; ++i) aq[i] += ljk * ltk[i];
      }
      double* ltj = lt.Row(j);
      const double pivot = Checked(a.Row(j)[j] - aq[j]);
      RequirePivot(pivot, tolerance);
      const double ljj = Sqrt(pivot);
      ltj[j] = ljj;
      for (int i = j + 1; i <= n; ++i) ltj[i] = Div(a.Row(i)[j] - aq[i], ljj);
    }
  }

  // L with each row divided by its diagonal: multipliers of the lower inverse.
  Matrix& lower = ScratchMatrix(kScratchSecond, n, n);  // lower(k, r) = L(r, k) / L(r, r), r > k
  Matrix& y = ScratchMatrix(kScratchThird, n, n);
  for (int r = 1; r <= n; ++r) {
    const double d = lt.Row(r)[r];
    y.Row(r)[r] = Div(1.0, d);
    for (int kk = 1; kk < r; ++kk) lower.Row(kk)[r] = Div(lt.Row(kk)[r], d);
  }
  // L^t with each row divided by its diagonal: multipliers of the upper inverse.
  Matrix& x = ScratchMatrix(kScratchFourth, n, n);
  for (int r = 1; r <= n; ++r) {
    double* ltr = lt.Row(r);
    const double d = ltr[r];
    x.Row(r)[r] = Div(1.0, d);
    std::uint64_t bad = 0;
    for (int c = r + 1; c <= n; ++c) {
      ltr[c] = ltr[c] / d;
      bad |= NotFiniteBit(ltr[c]);
    }
    CheckRowFlags(bad, ltr, r + 1, n);
  }
  InvertUnitLower(lower, y, n);
  InvertUnitUpper(lt, x, n);
  Matrix inverse(n, n);
  MultiplyUpperByLower(x, y, n, inverse);
  return inverse;
}

}  // namespace ombrel
