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

// The decomposition of an exactly zero matrix, which the iteration cannot
// take (its tolerances scale with the norm, here 0): every singular value
// is 0, the rank 0 and the pseudoinverse, already sized to zeros, stays so.
void ZeroDecomposition(NetworkState& s, int k) {
  if (s.EmUserSet == 0) {
    s.Em2 = 1e-12;
    s.Em6 = 1e-10;
  }
  s.SingularValues.Redim(k);
  s.Em1 = 0.0;
  s.Em3 = 0.0;
  s.Em5 = 0;
  s.Em7 = 0;
  s.SvdNotFound = 0;
}

}  // namespace

bool ReviewedPseudoinverse(NetworkState& s, Interaction& ui, const Matrix& m, int rows, int cols,
                           const std::string& titleLine, ValueFormat format, Matrix& result) {
  const bool transposed = rows < cols;
  const int k = std::min(rows, cols);
  const bool zero = AllZero(m, rows, cols);
  const auto decompose = [&] {
    if (zero) {
      s.InvResult.Redim(cols, rows);
      ZeroDecomposition(s, k);
    } else if (transposed) {
      Transpose(m, rows, cols, s.InvInput);
      s.InvResult.Redim(rows, cols);
      int scratch = rows;
      Pseudoinverse(s, cols, scratch);
    } else {
      CopyBlock(m, rows, cols, s.InvInput);
      s.InvResult.Redim(cols, rows);
      int scratch = cols;
      Pseudoinverse(s, rows, scratch);
    }
  };
  if (!ReviewedDecomposition(s, ui, titleLine, k, decompose, DesignReview(format))) return false;
  s.NumConstraints = k - s.Em7;
  if (transposed && !zero)
    Transpose(s.InvResult, rows, cols, result);
  else
    CopyBlock(s.InvResult, cols, rows, result);
  return true;
}

void WriteDesignDecomposition(ListingWriter& out, const NetworkState& s, int k,
                              ValueFormat format) {
  WriteDecompositionReport(out, s, k, s.NumConstraints, format);
}

}  // namespace ombrel
