#include "adjust/adjust_by_constraints.h"

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
  if (s.FullOutput) {
    out.Line("    CORRECCIONES  --->  x = Qxx *  At P K ");
    out.BlankLine();
    out.BlankLine();
  }
  if (s.MatrixInput) {
    out.Line("    MATRIZ ( E ) ");
    out.BlankLine();
  }
}

void WriteConstraintSource(ListingWriter& out, const NetworkState& s, int u) {
  if (s.MatrixInput) {
    WriteMatrix(out, s.E, s.NumConstraints, u, 8, 6);
    out.BlankLine();
    return;
  }
  out.BlankLine();
  if (s.FullOutput) out.Line("    suponiendo arbitrariamente giro de ejes dextrorsum ");
}

}  // namespace

void AdjustByConstraints(NetworkState& s, Interaction& ui) {
  const SystemSizes n{s.NumObs + s.NumCondEq, 2 * (s.NumPoints - s.NumFixed)};
  const bool full = s.FullOutput;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out, s);
  if (!s.MatrixInput && !FormConstraintMatrix(s, ui, kConstraintMatrixTitle)) {
    s.MessageText = kConstraintEntryCancelled;
    s.Abandon = true;
    return;
  }
  WriteConstraintSource(out, s, n.u);

  const Matrix atp = FormNormalMatrix(s, n);
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, s.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(
        out,
        "    MATRIZ COFACTOR Qxx = inv( At P A  +  Et E )   -   Et inv( E Et ) inv( E Et ) "
        "E ");
  }
  ConstraintCofactors(s, n.u, s.Qxx);
  if (full) WriteMatrix(out, s.Qxx, n.u, n.u, 4, 10);

  Vector atpk;
  MultiplyVector(atp, s.K, n.u, n.m, atpk);
  MultiplyVector(s.Qxx, atpk, n.u, n.u, s.Corrections);
  WriteCorrections(out, s, s.Corrections, false);

  const SectionTexts texts = FreeNetworkSectionTexts();
  ComputeAndWriteResiduals(out, s, n, texts);
  ComputeAndWriteVariance(out, s, n.m, n.m - n.u + s.NumConstraints, texts);
  WriteClosingSections(out, s, n);
  out.Close();
}

}  // namespace ombrel
