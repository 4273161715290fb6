#include "literal_kernel.h"

#include <cmath>

#include "numeric/checked.h"
#include "numeric/inversion.h"

namespace ombrel::literal {

Matrix GaussJordan(const Matrix& a, int n) {
  Matrix w(n, n);
  Matrix b(n, n);
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n; ++k) w(i, k) = a(i, k);
    b(i, i) = 1.0;
  }
  for (int i = 1; i <= n; ++i) {
    if (w(i, i) == 0.0) {
      int j = i + 1;
      while (j <= n && w(j, i) == 0.0) ++j;
      if (j > n) throw SingularMatrix();
      for (int k = 1; k <= n; ++k) {
        w(i, k) = Add(w(i, k), w(j, k));
        b(i, k) = Add(b(i, k), b(j, k));
      }
    }
    RequirePivot(w(i, i), PivotTolerance(a, n));
    for (int j = 1; j <= n; ++j) {
      if (j == i) continue;
      const double f = Div(-w(j, i), w(i, i));
      for (int k = 1; k <= n; ++k) {
        w(j, k) = Add(w(j, k), Mul(f, w(i, k)));
        b(j, k) = Add(b(j, k), Mul(f, b(i, k)));
      }
    }
    const double d = w(i, i);
    for (int k = 1; k <= n; ++k) {
      b(i, k) = Div(b(i, k), d);
      w(i, k) = Div(w(i, k), d);
    }
  }
  return b;
}

namespace {

// Y = L^-1 and X = U^-1 by row elimination on all columns, then X Y.
Matrix InvertTriangles(Matrix l, Matrix y, Matrix u, Matrix x, int n) {
  for (int k = 1; k <= n - 1; ++k)
    for (int r = k + 1; r <= n; ++r) {
      const double m = l(r, k);
      for (int c = 1; c <= n; ++c) {
        l(r, c) = Sub(l(r, c), Mul(m, l(k, c)));
        y(r, c) = Sub(y(r, c), Mul(m, y(k, c)));
      }
    }
  for (int k = 1; k <= n; ++k) {
    const double d = u(k, k);
    for (int c = 1; c <= n; ++c) {
      u(k, c) = Div(u(k, c), d);
      x(k, c) = Div(x(k, c), d);
    }
  }
  for (int k = n; k >= 2; --k)
    for (int r = k - 1; r >= 1; --r) {
      const double m = u(r, k);
      for (int c = 1; c <= n; ++c) {
        u(r, c) = Sub(u(r, c), Mul(m, u(k, c)));
        x(r, c) = Sub(x(r, c), Mul(m, x(k, c)));
      }
    }
  Matrix result(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      double s = 0.0;
      for (int k = 1; k <= n; ++k) s = Add(s, Mul(x(i, k), y(k, j)));
      result(i, j) = s;
    }
  return result;
}

Matrix Identity(int n) {
  Matrix e(n, n);
  for (int i = 1; i <= n; ++i) e(i, i) = 1.0;
  return e;
}

}  // namespace

Matrix Lu(const Matrix& a, int n) {
  Matrix l(n, n);
  Matrix u(n, n);
  for (int i = 1; i <= n; ++i) {
    for (int j = i; j <= n; ++j) {
      double s = 0.0;
      for (int k = 1; k <= i - 1; ++k) s = Add(s, Mul(l(i, k), u(k, j)));
      u(i, j) = Sub(a(i, j), s);
    }
    RequirePivot(u(i, i), PivotTolerance(a, n));
    for (int j = i + 1; j <= n; ++j) {
      double s = 0.0;
      for (int k = 1; k <= i - 1; ++k) s = Add(s, Mul(l(j, k), u(k, i)));
      l(j, i) = Div(Sub(a(j, i), s), u(i, i));
    }
  }
  for (int i = 1; i <= n; ++i) l(i, i) = 1.0;
  return InvertTriangles(l, Identity(n), u, Identity(n), n);
}

Matrix Cholesky(const Matrix& a, int n) {
  Matrix l(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      double s = 0.0;
      for (int k = 1; k <= i - 1; ++k) s = Add(s, Mul(l(i, k), l(i, k)));
      RequirePivot(Sub(a(i, i), s), PivotTolerance(a, n));
      l(i, i) = Sqrt(Sub(a(i, i), s));
      if (i > j) {
        double t = 0.0;
        for (int k = 1; k <= j - 1; ++k) t = Add(t, Mul(l(j, k), l(i, k)));
        l(i, j) = Div(Sub(a(i, j), t), l(j, j));
      }
    }
  Matrix lt(n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) lt(i, j) = l(j, i);
  Matrix y = Identity(n);
  for (int i = 1; i <= n; ++i) {
    const double d = l(i, i);
    for (int c = 1; c <= n; ++c) {
      l(i, c) = Div(l(i, c), d);
      y(i, c) = Div(y(i, c), d);
    }
  }
  return InvertTriangles(l, y, lt, Identity(n), n);
}

Matrix Product(const Matrix& left, const Matrix& right, int rows, int inner, int cols) {
  Matrix p(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) {
      double s = 0.0;
      for (int k = 1; k <= inner; ++k) s = Add(s, Mul(left(i, k), right(k, j)));
      p(i, j) = s;
    }
  return p;
}

Eigen Jacobi(const Matrix& a, int n, int max_sweeps) {
  Matrix w = a;
  Matrix r(n, n);
  for (int i = 1; i <= n; ++i) r(i, i) = 1.0;
  Eigen out;
  do {
    for (int i = 1; i <= n - 1; ++i)
      for (int j = i + 1; j <= n; ++j) {
        if (w(i, j) == 0.0) continue;
        const double diff = Sub(w(i, i), w(j, j));
        const double d = Sqrt(Add(Mul(diff, diff), Mul(Mul(4.0, w(i, j)), w(i, j))));
        const double t = Add(diff, d) / Mul(2.0, w(i, j));
        // Where 1 / t would fail the kernel takes the same angle from atan2.
        const bool fails = t == 0.0 || !std::isfinite(t) || !std::isfinite(1.0 / t);
        const double theta = fails ? 0.5 * std::atan2(2.0 * w(i, j), diff) : std::atan(Div(1.0, t));
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        for (int k = 1; k <= n; ++k) {
          double x = w(i, k), y = w(j, k);
          w(i, k) = Add(Mul(x, c), Mul(y, s));
          w(j, k) = Add(Mul(-x, s), Mul(y, c));
          x = r(i, k);
          y = r(j, k);
          r(i, k) = Add(Mul(x, c), Mul(y, s));
          r(j, k) = Add(Mul(-x, s), Mul(y, c));
        }
        for (int k = 1; k <= n; ++k) {
          const double x = w(k, i), y = w(k, j);
          w(k, i) = Add(Mul(x, c), Mul(y, s));
          w(k, j) = Add(Mul(-x, s), Mul(y, c));
        }
        double sum = 0.0;
        for (int p = 1; p <= n; ++p)
          for (int q = 1; q <= n; ++q)
            if (p != q) sum = Add(sum, std::fabs(w(p, q)));
        out.off_sum = sum;
      }
    ++out.sweeps;
  } while (out.off_sum > 1e-5 && out.sweeps < max_sweeps);
  double sum = 0.0;
  for (int p = 1; p <= n; ++p)
    for (int q = 1; q <= n; ++q)
      if (p != q) sum = Add(sum, std::fabs(w(p, q)));
  out.off_sum = sum;
  out.vectors.Redim(n, n);
  out.values.Redim(n, 1);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) out.vectors(j, i) = r(i, j);
    out.values(i, 1) = w(i, i);
  }
  return out;
}

}  // namespace ombrel::literal
