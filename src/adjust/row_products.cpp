#include "adjust/row_products.h"

#include <cstdint>
#include <vector>

#include "numeric/checked.h"
#include "numeric/finite_check.h"
#include "numeric/kernel_operands.h"

namespace ombrel {

namespace {

void CheckRow(const double* row, int cols) {
  std::uint64_t bad = 0;
  for (int j = 1; j <= cols; ++j) bad |= NotFiniteBit(row[j]);
  CheckRowFlags(bad, row, 1, cols);
}

void RequireVector(const Vector& v, int n) {
  RequireCount(n);
  if (n > v.Size()) ThrowSubscript("subíndice fuera del intervalo", n, kNoSecond);
}

// The columns 1..cols of each row r = 1..rows of m that hold a non-zero value,
// in increasing order.
std::vector<std::vector<int>> NonZeroColumns(const Matrix& m, int rows, int cols) {
  std::vector<std::vector<int>> pattern(static_cast<std::size_t>(rows) + 1);
  for (int r = 1; r <= rows; ++r) {
    const double* row = m.Row(r);
    for (int c = 1; c <= cols; ++c)
      if (row[c] != 0.0) pattern[static_cast<std::size_t>(r)].push_back(c);
  }
  return pattern;
}

}  // namespace

// Where the processor may have wider vector registers, a second version of
// a loop over independent elements uses them when present: each element
// still takes the same multiply and add, in the same order (no fused
// multiply-add), so the results are the same bit for bit.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define OMBREL_WIDER_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define OMBREL_WIDER_VECTORS
#endif

// Each row of out accumulates the rows of right in increasing k, which keeps
// every element's own sum order while reading memory in order.
OMBREL_WIDER_VECTORS void Multiply(const Matrix& left, const Matrix& right, int rows, int inner,
                                   int cols, Matrix& out) {
  RequireShape(left, rows, inner);
  RequireShape(right, inner, cols);
  out.Redim(rows, cols);
  for (int i = 1; i <= rows; ++i) {
    const double* l = left.Row(i);
    double* o = out.Row(i);
    for (int k = 1; k <= inner; ++k) {
      const double a = l[k];
      if (a == 0.0) continue;
      const double* r = right.Row(k);
      for (int j = 1; j <= cols; ++j) o[j] += a * r[j];
    }
    CheckRow(o, cols);
  }
}

void MultiplyByTranspose(const Matrix& left, const Matrix& right, int rows, int inner, int cols,
                         Matrix& out) {
  RequireShape(left, rows, inner);
  RequireShape(right, cols, inner);
  out.Redim(rows, cols);
  const std::vector<std::vector<int>> nonZero = NonZeroColumns(right, cols, inner);
  for (int i = 1; i <= rows; ++i) {
    const double* l = left.Row(i);
    double* o = out.Row(i);
    for (int j = 1; j <= cols; ++j) {
      const double* r = right.Row(j);
      double sum = 0.0;
      for (const int k : nonZero[static_cast<std::size_t>(j)]) sum += l[k] * r[k];
      o[j] = sum;
    }
    CheckRow(o, cols);
  }
}

void Transpose(const Matrix& m, int rows, int cols, Matrix& out) {
  RequireShape(m, rows, cols);
  out.Redim(cols, rows);
  for (int i = 1; i <= rows; ++i) {
    const double* row = m.Row(i);
    for (int j = 1; j <= cols; ++j) out.Row(j)[i] = row[j];
  }
}

void MultiplyVector(const Matrix& m, const Vector& v, int rows, int cols, Vector& out) {
  RequireShape(m, rows, cols);
  RequireVector(v, cols);
  out.Redim(rows);
  const double* x = v.Data();
  for (int i = 1; i <= rows; ++i) {
    const double* row = m.Row(i);
    double sum = 0.0;
    for (int j = 1; j <= cols; ++j) sum += row[j] * x[j];
    out(i) = Checked(sum);
  }
}

void VectorTimesMatrix(const Vector& v, const Matrix& m, int rows, int cols, Vector& out) {
  RequireShape(m, rows, cols);
  RequireVector(v, rows);
  out.Redim(cols);
  double* o = out.Data();
  for (int i = 1; i <= rows; ++i) {
    const double a = v(i);
    if (a == 0.0) continue;
    const double* row = m.Row(i);
    for (int j = 1; j <= cols; ++j) o[j] += a * row[j];
  }
  CheckRow(o, cols);
}

double Dot(const Vector& a, const Vector& b, int n) {
  RequireVector(a, n);
  RequireVector(b, n);
  const double* x = a.Data();
  const double* y = b.Data();
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += x[i] * y[i];
  return Checked(sum);
}

}  // namespace ombrel
