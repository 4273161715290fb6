#include "adjust/adjust_by_constraints.h"

#include <utility>

#include "adjust/adjustment_sections.h"
#include "adjust/constraint_matrix.h"
#include "adjust/corrections_section.h"
#include "adjust/row_products.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"

namespace ombrel {

namespace {

void WriteOpening(ListingWriter& out, const NetworkState& s) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    ************  RESOLUCION CON MATRIZ CONSTRENIMIENTOS  ************");
  out.BlankLine();
  out.BlankLine();
  if (s.Options.FullOutput) {
    out.Line("    CORRECCIONES  --->  x = Qxx *  At P K ");
    out.BlankLine();
    out.BlankLine();
  }
  if (s.Import.MatrixInput) {
    out.Line("    MATRIZ ( E ) ");
    out.BlankLine();
  }
}

void WriteConstraintSource(ListingWriter& out, const NetworkState& s, int u) {
  if (s.Import.MatrixInput) {
    WriteMatrix(out, s.Equations.E, s.Equations.NumConstraints, u, 8, 6);
    out.BlankLine();
    return;
  }
  out.BlankLine();
  if (s.Options.FullOutput) out.Line("    suponiendo arbitrariamente giro de ejes dextrorsum ");
}

}  // namespace

bool StartConstraintAdjustment(NetworkState& s, Interaction& ui) {
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out, s);
  out.Close();
  return s.Import.MatrixInput || FormConstraintMatrix(s, ui, kConstraintMatrixTitle);
}

AdjustmentSolution AdjustByConstraints(const NetworkState& s) {
  const SystemSizes n{s.Network.NumObs + s.Equations.NumCondEq,
                      2 * (s.Network.NumPoints - s.Network.NumFixed)};
  const bool full = s.Options.FullOutput;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteConstraintSource(out, s, n.u);

  AdjustmentSolution solution;
  const NormalEquations normal = FormNormalEquations(s.Equations, n);
  solution.NormalMatrix = normal.normal;
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, solution.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(
        out,
        "    MATRIZ COFACTOR Qxx = inv( At P A  +  Et E )   -   Et inv( E Et ) inv( E Et ) "
        "E ");
  }
  solution.Qxx = ConstraintCofactors(s, solution.NormalMatrix, n.u);
  solution.RankDefect = s.Equations.NumConstraints;
  if (full) WriteMatrix(out, solution.Qxx, n.u, n.u, 4, 10);

  Vector atpk;
  MultiplyVector(normal.atp, s.Equations.K, n.u, n.m, atpk);
  MultiplyVector(solution.Qxx, atpk, n.u, n.u, solution.Corrections);
  WriteCorrections(out, s, solution.Corrections, false);

  solution = CompleteSolution(out, s, n, std::move(solution),
                              n.m - n.u + s.Equations.NumConstraints, FreeNetworkSectionTexts());
  out.Close();
  return solution;
}

}  // namespace ombrel
