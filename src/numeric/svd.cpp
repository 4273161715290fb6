#include "numeric/svd.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <vector>

#include "numeric/checked.h"
#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"
#include "numeric/scratch.h"

namespace ombrel {

namespace {

// The range l..u along the rows (columns = true) or the columns of m, and the
// two indices across it, must lie inside m.
void RequireRange(const Matrix& m, int l, int u, int i, int j, bool columns) {
  if (l > u) return;
  const int range_limit = columns ? m.Rows() : m.Cols();
  const int index_limit = columns ? m.Cols() : m.Rows();
  if (l < 1 || u > range_limit) ThrowSubscript("subíndice fuera del intervalo", l, u);
  if (i < 1 || j < 1 || i > index_limit || j > index_limit)
    ThrowSubscript("subíndice fuera del intervalo", i, j);
}

// x = c x + s y and y = c y - s x elementwise over l..u, on contiguous rows.
void RotateRows(double* x, double* y, int l, int u, double c, double s) {
  std::uint64_t bad = 0;
  for (int r = l; r <= u; ++r) {
    const double a = x[r];
    const double b = y[r];
    x[r] = c * a + s * b;
    y[r] = c * b - s * a;
    bad |= NotFiniteBit(x[r]) | NotFiniteBit(y[r]);
  }
  if (bad) {
    ThrowIfNotFinite(x, l, u);
    ThrowIfNotFinite(y, l, u);
  }
}

void TransposeInto(const Matrix& from, int rows, int cols, Matrix& to) {
  for (int r = 1; r <= rows; ++r) {
    const double* f = from.Row(r);
    for (int c = 1; c <= cols; ++c) to.Row(c)[r] = f[c];
  }
}

// Sum over r = lo..hi of u(r, i) * u(r, j).
double ColumnProduct(const Matrix& u, int lo, int hi, int i, int j) {
  RequireRange(u, lo, hi, i, j, true);
  double sum = 0.0;
  for (int r = lo; r <= hi; ++r) {
    const double* ur = u.Row(r);
    sum += ur[i] * ur[j];
  }
  return Checked(sum);
}

// Sum over r = lo..hi of u(i, r) * u(j, r).
double RowProduct(const Matrix& u, int lo, int hi, int i, int j) {
  RequireRange(u, lo, hi, i, j, false);
  if (lo > hi) return 0.0;
  const double* ui = u.Row(i);
  const double* uj = u.Row(j);
  double sum = 0.0;
  for (int r = lo; r <= hi; ++r) sum += ui[r] * uj[r];
  return Checked(sum);
}

// u(i, r) += x * u(j, r) for r = lo..hi.
void RowUpdate(Matrix& u, int lo, int hi, int i, int j, double x) {
  RequireRange(u, lo, hi, i, j, false);
  if (lo > hi) return;
  double* ui = u.Row(i);
  const double* uj = u.Row(j);
  std::uint64_t bad = 0;
  for (int r = lo; r <= hi; ++r) {
    ui[r] = ui[r] + x * uj[r];
    bad |= NotFiniteBit(ui[r]);
  }
  CheckRowFlags(bad, ui, lo, hi);
}

// Householder quantities for the element f and the squared norm s of the rest
// of its column or row: g = -sign(f) sqrt(f^2 + s), h = f g - (f^2 + s).
struct Reflection {
  double g;
  double h;
};
Reflection Reflect(double f, double s) {
  const double total = Checked(f * f + s);
  const double root = Sqrt(total);
  const double g = f < 0.0 ? root : -root;
  return {g, Checked(f * g - total)};
}

// acc[j] = sum over r = from..to of U(r, i) U(r, j) for j = i+1..n, each sum
// from zero in increasing r (a zero factor adds nothing, so it is skipped).
void ColumnProducts(const Matrix& u, int from, int to, int i, int n, std::vector<double>& acc) {
  std::fill(acc.begin() + i + 1, acc.begin() + n + 1, 0.0);
  for (int r = from; r <= to; ++r) {
    const double* ur = u.Row(r);
    const double uri = ur[i];
    if (uri == 0.0) continue;
    for (int j = i + 1; j <= n; ++j) acc[j] += uri * ur[j];
  }
}

// U(r, j) += x[j] U(r, i) for r = from..to, j = i+1..n: every column j
// updated from column i, which itself does not change.
void ColumnUpdates(Matrix& u, int from, int to, int i, int n, const std::vector<double>& x) {
  for (int r = from; r <= to; ++r) {
    double* ur = u.Row(r);
    const double uri = ur[i];
    std::uint64_t bad = 0;
    for (int j = i + 1; j <= n; ++j) {
      ur[j] = ur[j] + x[j] * uri;
      bad |= NotFiniteBit(ur[j]);
    }
    CheckRowFlags(bad, ur, i + 1, n);
  }
}

// Householder reduction to the bidiagonal (d, b), in place in u. A column or
// row part is negligible when its length is below machtol; s is its squared
// length, so it is compared with machtol squared. Compared with machtol
// itself, every part of a matrix whose norm is below about 1e-14 would count
// as negligible and the reduction would be skipped altogether, which is
// what the small normal matrices of the configuration design look like.
void Bidiagonalise(Matrix& u, Vector& dv, Vector& b, int m, int n, double machtol) {
  const double negligible = machtol * machtol;  // 0 when it underflows: only s = 0 is skipped
  double* d = dv.Data();
  std::vector<double> acc(static_cast<std::size_t>(std::max(m, n)) + 1);
  for (int i = 1; i <= n; ++i) {
    double* ui = u.Row(i);
    double s = ColumnProduct(u, i + 1, m, i, i);
    if (s <= negligible) {
      d[i] = ui[i];
    } else {
      const double f = ui[i];
      const Reflection r = Reflect(f, s);
      d[i] = r.g;
      ui[i] = Checked(f - r.g);
      ColumnProducts(u, i, m, i, n, acc);
      for (int j = i + 1; j <= n; ++j) acc[j] = Div(acc[j], r.h);
      ColumnUpdates(u, i, m, i, n, acc);
    }
    if (i < n) {
      s = RowProduct(u, i + 2, n, i, i);
      if (s <= negligible) {
        b(i) = ui[i + 1];
      } else {
        const double f = ui[i + 1];
        const Reflection r = Reflect(f, s);
        b(i) = r.g;
        ui[i + 1] = Checked(f - r.g);
        for (int j = i + 1; j <= m; ++j)
          RowUpdate(u, i + 1, n, j, i, Div(RowProduct(u, i + 1, n, i, j), r.h));
      }
    }
  }
}

// V from the right transformations stored in the rows of u.
void AccumulateV(const Matrix& u, Matrix& v, const Vector& b, int n) {
  std::vector<double> acc(static_cast<std::size_t>(n) + 1);
  v.Row(n)[n] = 1.0;
  int i1 = n;
  for (int i = n - 1; i >= 1; --i) {
    const double* ui = u.Row(i);
    const double h = Checked(b(i) * ui[i1]);
    if (h < 0.0) {
      for (int j = i1; j <= n; ++j) v.Row(j)[i] = Div(ui[j], h);
      // acc[j] = sum over r = i1..n of U(i, r) V(r, j); column i is only read.
      std::fill(acc.begin() + i1, acc.end(), 0.0);
      for (int r = i1; r <= n; ++r) {
        const double uir = ui[r];
        if (uir == 0.0) continue;
        const double* vr = v.Row(r);
        for (int j = i1; j <= n; ++j) acc[j] += uir * vr[j];
      }
      ThrowIfNotFinite(acc.data(), i1, n);
      for (int r = i1; r <= n; ++r) {
        double* vr = v.Row(r);
        const double vri = vr[i];
        std::uint64_t bad = 0;
        for (int j = i1; j <= n; ++j) {
          vr[j] = vr[j] + acc[j] * vri;
          bad |= NotFiniteBit(vr[j]);
        }
        CheckRowFlags(bad, vr, i1, n);
      }
    }
    for (int j = i1; j <= n; ++j) {
      v.Row(i)[j] = 0.0;
      v.Row(j)[i] = 0.0;
    }
    v.Row(i)[i] = 1.0;
    i1 = i;
  }
}

// U from the left transformations, in place in u.
void AccumulateU(Matrix& u, const Vector& dv, int m, int n) {
  const double* d = dv.Data();
  std::vector<double> acc(static_cast<std::size_t>(n) + 1);
  for (int i = n; i >= 1; --i) {
    double* ui = u.Row(i);
    const double g = d[i];
    const double h = Checked(g * ui[i]);
    for (int j = i + 1; j <= n; ++j) ui[j] = 0.0;
    if (h < 0.0) {
      ColumnProducts(u, i + 1, m, i, n, acc);
      for (int j = i + 1; j <= n; ++j) acc[j] = Div(acc[j], h);
      ColumnUpdates(u, i, m, i, n, acc);
      for (int j = i; j <= m; ++j) u.Row(j)[i] = Div(u.Row(j)[i], g);
    } else {
      for (int j = i; j <= m; ++j) u.Row(j)[i] = 0.0;
    }
    ui[i] = Checked(ui[i] + 1.0);
  }
}

// Implicitly shifted QR on the bidiagonal (d, b). The rotations act on
// columns of U and V, here rows of their transposes ut and vt.
void Diagonalise(SvdResult& result, const SvdTolerances& tolerances, Vector& bv, Matrix& ut,
                 Matrix& vt, int m, int n) {
  double* d = result.singularValues.Data();
  double* b = bv.Data();
  const double tol = Checked(tolerances.relativePrecision * result.norm);
  int count = 0;
  // The iteration limit holds for each singular value, counted from the
  // last one that converged: a limit shared by all would leave any matrix of
  // more than a few dozen columns undecomposed.
  int sinceConverged = 0;
  double bmax = 0.0;
  const int n0 = n;
  int rank = n;
  while (n > 0) {
    const int n1 = n - 1;
    int kk = n;
    while (--kk > 0) {
      if (std::fabs(b[kk]) >= tol) {
        if (std::fabs(d[kk]) >= tol) continue;
        // d(kk) negligible: chase b(kk) off the matrix.
        double c = 0.0;
        double s = 1.0;
        for (int i = kk; i <= n1; ++i) {
          const double f = Checked(s * b[i]);
          b[i] = Checked(c * b[i]);
          if (std::fabs(f) < tol) break;
          const double g = d[i + 1];
          const double h = Sqrt(Checked(f * f + g * g));
          d[i + 1] = h;
          c = Div(g, h);
          s = Div(-f, h);
          RotateRows(ut.Row(kk), ut.Row(i + 1), 1, m, c, s);
        }
        break;
      }
      bmax = std::max(bmax, std::fabs(b[kk]));
      break;
    }
    if (kk == n1) {
      if (d[n] < 0.0) {
        d[n] = -d[n];
        double* vn = vt.Row(n);
        for (int j = 1; j <= n0; ++j) vn[j] = -vn[j];
      }
      if (d[n] <= tolerances.smallestSingularValue) --rank;
      n = n1;
      sinceConverged = 0;
      continue;
    }
    if (++sinceConverged > tolerances.iterationLimit) break;
    ++count;
    double z = d[n];
    double x = d[kk + 1];
    double y = d[n1];
    double g = n1 == 1 ? 0.0 : b[n1 - 1];
    double h = b[n1];
    double f = Div(Checked((y - z) * (y + z) + (g - h) * (g + h)), Checked(2.0 * h * y));
    g = Sqrt(Checked(f * f + 1.0));
    f = Div(Checked((x - z) * (x + z) + h * (Div(y, Checked(f < 0.0 ? f - g : f + g)) - h)), x);
    double c = 1.0;
    double s = 1.0;
    for (int i = kk + 2; i <= n; ++i) {
      const int i1 = i - 1;
      g = b[i1];
      y = d[i];
      h = Checked(s * g);
      g = Checked(c * g);
      z = Sqrt(Checked(f * f + h * h));
      b[i1 - 1] = z;  // the element this rotation completes lies above b(i1)
      c = Div(f, z);
      s = Div(h, z);
      f = Checked(x * c + g * s);
      g = Checked(-x * s + g * c);
      h = Checked(y * s);
      y = Checked(y * c);
      RotateRows(vt.Row(i1), vt.Row(i), 1, n0, c, s);
      z = Sqrt(Checked(f * f + h * h));
      d[i1] = z;
      c = Div(f, z);
      s = Div(h, z);
      f = Checked(c * g + s * y);
      x = Checked(-s * g + c * y);
      RotateRows(ut.Row(i1), ut.Row(i), 1, m, c, s);
    }
    b[kk] = 0.0;  // the first write above went to the split position: clear it
    b[n1] = f;
    d[n] = x;
  }
  result.largestNeglected = bmax;
  result.iterations = count;
  result.notFound = n;
  result.rank = rank;
}

// Columns of U scaled by 1/sigma (or zeroed where sigma <= smallest), then
// pseudoinverse(i, j) += sum over r = 1..n of V(i, r) U(j, r), from zero in
// increasing r.
void AddPseudoinverse(SvdResult& result, double smallest, Matrix& ut, int m, int n) {
  const double* sigma = result.singularValues.Data();
  std::vector<unsigned char> kept(static_cast<std::size_t>(n) + 1);
  for (int j = 1; j <= n; ++j) {
    double* uj = ut.Row(j);
    if (sigma[j] > smallest) {
      const double scale = Div(1.0, sigma[j]);
      std::uint64_t bad = 0;
      for (int r = 1; r <= m; ++r) {
        uj[r] = uj[r] * scale;
        bad |= NotFiniteBit(uj[r]);
      }
      CheckRowFlags(bad, uj, 1, m);
      kept[j] = 1;
    } else {
      std::fill(uj + 1, uj + m + 1, 0.0);
    }
  }
  std::vector<double> acc(static_cast<std::size_t>(m) + 1);
  for (int i = 1; i <= n; ++i) {
    std::fill(acc.begin(), acc.end(), 0.0);
    const double* vi = result.v.Row(i);
    for (int r = 1; r <= n; ++r) {
      const double vir = vi[r];
      if (!kept[r] || vir == 0.0) continue;  // zero terms change no sum
      const double* ur = ut.Row(r);
      for (int j = 1; j <= m; ++j) acc[j] += vir * ur[j];
    }
    double* out = result.pseudoinverse.Row(i);
    std::uint64_t bad = 0;
    for (int j = 1; j <= m; ++j) {
      out[j] = out[j] + acc[j];
      bad |= NotFiniteBit(out[j]);
    }
    CheckRowFlags(bad, out, 1, m);
  }
}

}  // namespace

// The pseudoinverse is accumulated onto zeros, as the sum of each element
// starts from +0.0 (a sum of -0.0 terms leaves +0.0).
SvdResult Pseudoinverse(const Matrix& a, int m, int n, const SvdTolerances& tolerances) {
  assert(m >= n && "Pseudoinverse needs at least as many rows as columns");
  RequireCount(m);
  RequireCount(n);
  RequireShape(a, m, n);

  SvdResult result;
  result.pseudoinverse.Redim(n, m);
  result.u.Redim(m, n);
  result.singularValues.Redim(n);
  Vector b(n);
  result.v.Redim(n, n);
  double norm = 0.0;
  for (int r = 1; r <= m; ++r) {
    const double* in = a.Row(r);
    std::copy(in + 1, in + n + 1, result.u.Row(r) + 1);
    double row_sum = 0.0;
    for (int c = 1; c <= n; ++c) row_sum += std::fabs(in[c]);
    norm = std::max(norm, Checked(row_sum));
  }
  result.norm = norm;
  const double machtol = Checked(tolerances.machinePrecision * result.norm);

  Bidiagonalise(result.u, result.singularValues, b, m, n, machtol);
  if (n > 0) AccumulateV(result.u, result.v, b, n);
  AccumulateU(result.u, result.singularValues, m, n);

  Matrix& ut = ScratchMatrix(kScratchFirst, n, m);
  Matrix& vt = ScratchMatrix(kScratchSecond, n, n);
  TransposeInto(result.u, m, n, ut);
  TransposeInto(result.v, n, n, vt);
  Diagonalise(result, tolerances, b, ut, vt, m, n);
  TransposeInto(vt, n, n, result.v);
  if (result.notFound == 0) AddPseudoinverse(result, tolerances.smallestSingularValue, ut, m, n);
  TransposeInto(ut, n, m, result.u);
  return result;
}

}  // namespace ombrel
