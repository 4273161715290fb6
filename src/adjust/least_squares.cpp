#include "adjust/least_squares.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "numeric/checked.h"

namespace ombrel {
namespace {

Matrix NormalMatrixOf(const Matrix& a, const Vector& p, int rows, int cols) {
  Matrix n(cols, cols);
  for (int i = 1; i <= cols; ++i)
    for (int j = i; j <= cols; ++j) {
      double sum = 0.0;
      for (int r = 1; r <= rows; ++r) sum += a(r, i) * p(r) * a(r, j);
      n(i, j) = n(j, i) = Checked(sum);
    }
  return n;
}

// N's leading block after the symmetric permutation `order`: L L^t with L
// lower triangular of order rank.
struct Factor {
  std::vector<int> order;  // order[s] = unknown eliminated at step s (1-based)
  Matrix lower;
  int rank = 0;
};

Factor Eliminate(Matrix w, int cols) {
  Factor f;
  f.lower.Redim(cols, cols);
  for (int j = 1; j <= cols; ++j) f.order.push_back(j);
  double largest = 0.0;
  for (int j = 1; j <= cols; ++j) largest = std::max(largest, w(j, j));
  for (int s = 1; s <= cols; ++s) {
    int pivot = s;
    for (int j = s + 1; j <= cols; ++j)
      if (w(j, j) > w(pivot, pivot)) pivot = j;
    if (!(w(pivot, pivot) > kDependentPivot * largest)) break;
    if (pivot != s) {
      std::swap(f.order[s - 1], f.order[pivot - 1]);
      for (int j = 1; j <= cols; ++j) std::swap(w(s, j), w(pivot, j));
      for (int j = 1; j <= cols; ++j) std::swap(w(j, s), w(j, pivot));
      for (int j = 1; j < s; ++j) std::swap(f.lower(s, j), f.lower(pivot, j));
    }
    const double d = Sqrt(w(s, s));
    f.lower(s, s) = d;
    for (int i = s + 1; i <= cols; ++i) f.lower(i, s) = Div(w(i, s), d);
    for (int i = s + 1; i <= cols; ++i)
      for (int j = s + 1; j <= i; ++j)
        w(i, j) = w(j, i) = Sub(w(i, j), Mul(f.lower(i, s), f.lower(j, s)));
    f.rank = s;
  }
  return f;
}

// y = L^-1 b over the leading rank unknowns, b taken in elimination order.
std::vector<double> ForwardSolve(const Factor& f, const std::vector<double>& b) {
  std::vector<double> y(static_cast<std::size_t>(f.rank));
  for (int s = 1; s <= f.rank; ++s) {
    double sum = b[static_cast<std::size_t>(s - 1)];
    for (int j = 1; j < s; ++j) sum -= f.lower(s, j) * y[static_cast<std::size_t>(j - 1)];
    y[static_cast<std::size_t>(s - 1)] = Div(Checked(sum), f.lower(s, s));
  }
  return y;
}

// z = L^-t y.
std::vector<double> BackSolve(const Factor& f, std::vector<double> y) {
  for (int s = f.rank; s >= 1; --s) {
    double sum = y[static_cast<std::size_t>(s - 1)];
    for (int i = s + 1; i <= f.rank; ++i) sum -= f.lower(i, s) * y[static_cast<std::size_t>(i - 1)];
    y[static_cast<std::size_t>(s - 1)] = Div(Checked(sum), f.lower(s, s));
  }
  return y;
}

// Row r of A in elimination order.
std::vector<double> OrderedRow(const Factor& f, const Matrix& a, int r) {
  std::vector<double> row;
  for (int s = 1; s <= f.rank; ++s) row.push_back(a(r, f.order[static_cast<std::size_t>(s - 1)]));
  return row;
}

// Removes from x its component in the null space of N, leaving the
// solution of least norm (the datum of the pseudoinverse). Each unknown the
// elimination left dependent gives one null vector: 1 at that unknown, 0 at
// the other dependent ones, and z with N11 z = -N1d at the eliminated ones.
void KeepLeastNorm(const Factor& f, const Matrix& n, int cols, Vector& x) {
  std::vector<std::vector<double>> basis;  // orthonormal, by unknown - 1
  for (int d = f.rank + 1; d <= cols; ++d) {
    const int dependent = f.order[static_cast<std::size_t>(d - 1)];
    std::vector<double> column;
    for (int st = 1; st <= f.rank; ++st)
      column.push_back(-n(f.order[static_cast<std::size_t>(st - 1)], dependent));
    const std::vector<double> z = BackSolve(f, ForwardSolve(f, column));
    std::vector<double> v(static_cast<std::size_t>(cols), 0.0);
    v[static_cast<std::size_t>(dependent - 1)] = 1.0;
    for (int st = 1; st <= f.rank; ++st)
      v[static_cast<std::size_t>(f.order[static_cast<std::size_t>(st - 1)] - 1)] =
          z[static_cast<std::size_t>(st - 1)];
    for (const std::vector<double>& q : basis) {
      double dot = 0.0;
      for (int j = 0; j < cols; ++j)
        dot += q[static_cast<std::size_t>(j)] * v[static_cast<std::size_t>(j)];
      for (int j = 0; j < cols; ++j)
        v[static_cast<std::size_t>(j)] -= dot * q[static_cast<std::size_t>(j)];
    }
    double norm = 0.0;
    for (const double e : v) norm += e * e;
    norm = Sqrt(Checked(norm));
    for (double& e : v) e = Div(e, norm);
    basis.push_back(v);
  }
  for (const std::vector<double>& q : basis) {
    double dot = 0.0;
    for (int j = 1; j <= cols; ++j) dot += q[static_cast<std::size_t>(j - 1)] * x(j);
    for (int j = 1; j <= cols; ++j) x(j) = Checked(x(j) - dot * q[static_cast<std::size_t>(j - 1)]);
  }
}

}  // namespace

LeastSquaresSolution SolveLeastSquares(const Matrix& a, const Vector& k, const Vector& weights,
                                       int rows, int cols) {
  const Matrix n = NormalMatrixOf(a, weights, rows, cols);
  const Factor f = Eliminate(n, cols);
  LeastSquaresSolution s;
  s.rank = f.rank;
  s.degreesOfFreedom = rows - f.rank;
  // x = (L L^t)^-1 At P K over the eliminated unknowns.
  std::vector<double> atpk(static_cast<std::size_t>(f.rank));
  for (int st = 1; st <= f.rank; ++st) {
    double sum = 0.0;
    const int j = f.order[static_cast<std::size_t>(st - 1)];
    for (int r = 1; r <= rows; ++r) sum += a(r, j) * weights(r) * k(r);
    atpk[static_cast<std::size_t>(st - 1)] = Checked(sum);
  }
  const std::vector<double> x = BackSolve(f, ForwardSolve(f, atpk));
  s.corrections.Redim(cols);
  for (int st = 1; st <= f.rank; ++st)
    s.corrections(f.order[static_cast<std::size_t>(st - 1)]) = x[static_cast<std::size_t>(st - 1)];
  s.residuals.Redim(rows);
  s.redundancy.Redim(rows);
  for (int r = 1; r <= rows; ++r) {
    double v = -k(r);
    for (int j = 1; j <= cols; ++j) v += a(r, j) * s.corrections(j);
    s.residuals(r) = Checked(v);
    s.weightedSum = Add(s.weightedSum, Mul(weights(r), Mul(v, v)));
    // r(i) = 1 - p(i) a(i)^t N^- a(i), with a(i)^t N^- a(i) = |L^-1 a(i)|².
    double quadratic = 0.0;
    for (const double y : ForwardSolve(f, OrderedRow(f, a, r))) quadratic += y * y;
    s.redundancy(r) = Sub(1.0, Mul(weights(r), Checked(quadratic)));
  }
  KeepLeastNorm(f, n, cols, s.corrections);
  return s;
}

}  // namespace ombrel
