#include "design/design_review.h"

#include <algorithm>

#include "adjust/row_products.h"
#include "numeric/svd.h"

namespace ombrel {

namespace {

void CopyBlock(const Matrix& from, int rows, int cols, Matrix& to) {
  to.Redim(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) to(i, j) = from(i, j);
}

bool AllZero(const Matrix& m, int rows, int cols) {
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j)
      if (m(i, j) != 0.0) return false;
  return true;
}

// The decomposition of an exactly zero rows x cols matrix, which the
// iteration cannot take (its tolerances scale with the norm, here 0): its k
// singular values are 0, the rank 0 and the pseudoinverse zero.
SvdResult ZeroDecomposition(int rows, int cols, int k) {
  SvdResult zero;
  zero.pseudoinverse.Redim(cols, rows);
  zero.singularValues.Redim(k);
  return zero;
}

}  // namespace

std::optional<SvdResult> ReviewedPseudoinverse(SvdTolerances& tolerances, Interaction& ui,
                                               const Matrix& m, int rows, int cols,
                                               const std::string& titleLine, ValueFormat format,
                                               Matrix& result) {
  const bool transposed = rows < cols;
  const int k = std::min(rows, cols);
  const bool zero = AllZero(m, rows, cols);
  Matrix mt;
  if (transposed && !zero) Transpose(m, rows, cols, mt);
  const auto decompose = [&](const SvdTolerances& t) {
    if (zero) return ZeroDecomposition(rows, cols, k);
    return transposed ? Pseudoinverse(mt, cols, rows, t) : Pseudoinverse(m, rows, cols, t);
  };
  std::optional<SvdResult> svd =
      ReviewedDecomposition(tolerances, ui, titleLine, k, decompose, DesignReview(format));
  if (!svd) return svd;
  if (transposed && !zero)
    Transpose(svd->pseudoinverse, rows, cols, result);
  else
    CopyBlock(svd->pseudoinverse, cols, rows, result);
  return svd;
}

void WriteDesignDecomposition(ListingWriter& out, const SvdTolerances& tolerances,
                              const SvdResult& svd, int k, ValueFormat format) {
  WriteDecompositionReport(out, tolerances, svd, k, k - svd.rank, format);
}

}  // namespace ombrel
