#include "adjust/adjust_by_pseudoinverse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "adjust/adjustment_sections.h"
#include "adjust/corrections_section.h"
#include "adjust/row_products.h"
#include "adjust/singular_value_review.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "numeric/checked.h"
#include "numeric/svd.h"

namespace ombrel {

namespace {

void WriteOpening(ListingWriter& out) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    **************  RESOLUCION CON MATRIZ PSEUDOINVERSA  *************");
  out.BlankLine();
  out.BlankLine();
}

// A singular value of N = A^t P A counts as zero up to 16 u eps of the
// largest, a few times what rounding leaves there when N is formed and
// decomposed; one of sqrt(P) A up to the square root of that share, since
// those of N are their squares: the two ranks then agree, and so do the
// corrections (from sqrt(P) A) and the redundancy (from N).
double RankShareOfNormalMatrix(int u) {
  return 16.0 * u * std::numeric_limits<double>::epsilon();
}

ReviewStyle AdjustmentReview(double relativeEm6) {
  ReviewStyle style = kAdjustmentReview;
  style.relativeEm6 = relativeEm6;
  return style;
}

// sqrt(P) element by element (m x m).
Matrix SquareRootOfWeights(const NetworkState& s, int m) {
  Matrix root(m, m);
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= m; ++j)
      if (s.Equations.P(i, j) != 0.0) root(i, j) = Sqrt(s.Equations.P(i, j));
  return root;
}

void CopyInto(const Matrix& from, int rows, int cols, Matrix& to) {
  to.Redim(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) to(i, j) = from(i, j);
}

// PS = (sqrt(P) A)+ (u x m), decomposing the transpose when there are fewer
// equations than unknowns, since the decomposition needs rows >= columns.
// Leaves the accepted decomposition in svd.
Matrix PseudoinverseOfWeightedDesign(SvdTolerances& tolerances, Interaction& ui, const Matrix& pa,
                                     SystemSizes n, SvdResult& svd) {
  const bool transposed = n.m < n.u;
  const int k = std::min(n.m, n.u);
  const std::string heading = transposed ? "  VALORES SINGULARES DE LA MATRIZ  trasp( Sqr(P) A ) "
                                         : "  VALORES SINGULARES DE LA MATRIZ ( Sqr(P) A ) ";
  Matrix pat;
  if (transposed) Transpose(pa, n.m, n.u, pat);
  svd = ReviewedDecomposition(
            tolerances, ui, heading, k,
            [&](const SvdTolerances& t) {
              return transposed ? Pseudoinverse(pat, n.u, n.m, t) : Pseudoinverse(pa, n.m, n.u, t);
            },
            AdjustmentReview(std::sqrt(RankShareOfNormalMatrix(n.u))))
            .value();
  Matrix ps;
  if (transposed)
    Transpose(svd.pseudoinverse, n.m, n.u, ps);
  else
    CopyInto(svd.pseudoinverse, n.u, n.m, ps);
  return ps;
}

// The reviewed decomposition of N (u x u), whose pseudoinverse is Qxx.
SvdResult PseudoinverseOfNormalMatrix(SvdTolerances& tolerances, Interaction& ui,
                                      const Matrix& normal, int u) {
  return ReviewedDecomposition(
             tolerances, ui, "  VALORES SINGULARES DE LA MATRIZ  ( At P A )  ", u,
             [&](const SvdTolerances& t) { return Pseudoinverse(normal, u, u, t); },
             AdjustmentReview(RankShareOfNormalMatrix(u)))
      .value();
}

}  // namespace

AdjustmentSolution AdjustByPseudoinverse(const NetworkState& s, SvdTolerances& tolerances,
                                         Interaction& ui) {
  const SystemSizes n{s.Network.NumObs + s.Equations.NumCondEq,
                      2 * (s.Network.NumPoints - s.Network.NumFixed)};
  const int k = std::min(n.m, n.u);
  const bool full = s.Options.FullOutput;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out);

  const Matrix root = SquareRootOfWeights(s, n.m);
  Matrix pa;
  Multiply(root, s.Equations.A, n.m, n.m, n.u, pa);
  Vector pk;
  MultiplyVector(root, s.Equations.K, n.m, n.m, pk);
  if (full) {
    out.Line("    CORRECCIONES  --->  x  =  pseudo( Sqr(P) A )  Sqr(P) K  ");
    WriteHeading(out, "    MATRIZ  ( Sqr(P) A ) ");
    WriteMatrix(out, pa, n.m, n.u, 6, 8);
    WriteHeading(out, n.m < n.u ? "    VALORES SINGULARES DE LA MATRIZ  trasp( Sqr(P) A ) "
                                : "    VALORES SINGULARES DE LA MATRIZ ( Sqr(P) A ) ");
  }
  AdjustmentSolution solution;
  SvdResult svd;
  const Matrix ps = PseudoinverseOfWeightedDesign(tolerances, ui, pa, n, svd);
  solution.RankDefect = k - svd.rank;
  if (full) {
    WriteDecompositionReport(out, tolerances, svd, k, solution.RankDefect);
    WriteHeading(out, "    MATRIZ PSEUDOINVERSA DE LA MATRIZ ( Sqr(P) A ) ");
    WriteMatrix(out, ps, n.u, n.m, 6, 8);
  }

  solution.NormalMatrix = FormNormalEquations(s.Equations, n).normal;
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, solution.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(out, "    VALORES SINGULARES DE LA MATRIZ  ( At P A ) ");
  }
  svd = PseudoinverseOfNormalMatrix(tolerances, ui, solution.NormalMatrix, n.u);
  CopyInto(svd.pseudoinverse, n.u, n.u, solution.Qxx);
  const int rank = svd.rank;
  if (full) {
    WriteDecompositionReport(out, tolerances, svd, n.u, n.u - rank);
    WriteHeading(out, "    MATRIZ COFACTOR  Qxx = Pseudo( At P A ) ");
    WriteMatrix(out, solution.Qxx, n.u, n.u, 4, 10);
  }

  MultiplyVector(ps, pk, n.u, n.m, solution.Corrections);
  WriteCorrections(out, s, solution.Corrections, false);
  solution =
      CompleteSolution(out, s, n, std::move(solution), n.m - rank, FreeNetworkSectionTexts());
  out.Close();
  return solution;
}

}  // namespace ombrel
