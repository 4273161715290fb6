#include "adjust/adjust_by_inverse.h"

#include <string>

#include "adjust/adjustment_sections.h"
#include "adjust/corrections_section.h"
#include "adjust/inversion_check.h"
#include "adjust/row_products.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/inversion.h"
#include "numeric/run_time_error.h"

namespace ombrel {

namespace {

constexpr const char* kInversionFailure =
    "¡ Se ha producido un error en la inversión de matrices !\r\n\r\n"
    "Quizá se haya intentado resolver una red libre como red ligada\r\n"
    "o se haya introducido la incógnita de escala en un proceso que no la admite.\r\n"
    "También es posible que la red que se ha intentado resolver tenga 0 redundancias.";

void WriteOpening(ListingWriter& out, bool full) {
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    *************  RESOLUCION DE LA RED COMO RED LIGADA  *************");
  out.BlankLine();
  out.BlankLine();
  if (full) out.Line("    CORRECCIONES  --->  x = inv( At P A )  At P K ");
}

// Qxx = N^-1 by the chosen method.
void InvertNormalMatrix(NetworkState& s, int u) {
  s.Qxx = Invert(s.NormalMatrix, u, s.Inversion);
}

void Adjust(NetworkState& s) {
  const SystemSizes n{s.NumObs + s.NumCondEq, s.ProjectUnknowns()};
  const bool full = s.FullOutput;
  s.NumConstraints = 0;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out, full);

  const Matrix atp = FormNormalMatrix(s, n);
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, s.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(out, "    MATRIZ COFACTOR Qxx = inv( At P A )");
  }

  InvertNormalMatrix(s, n.u);
  if (full) WriteMatrix(out, s.Qxx, n.u, n.u, 4, 10);
  if (full && s.CheckInversion) WriteInversionCheck(out, s.NormalMatrix, s.Qxx, n.u);

  Vector atpk;
  MultiplyVector(atp, s.K, n.u, n.m, atpk);
  MultiplyVector(s.Qxx, atpk, n.u, n.u, s.Corrections);
  WriteCorrections(out, s, s.Corrections);

  const SectionTexts texts = ConstrainedSectionTexts();
  ComputeAndWriteResiduals(out, s, n, texts);
  ComputeAndWriteVariance(out, s, n.m, n.m - n.u, texts);
  WriteClosingSections(out, s, n);
  out.Close();
}

}  // namespace

void AdjustByInverse(NetworkState& state, Interaction& ui) {
  try {
    Adjust(state);
  } catch (const SingularMatrix&) {
    throw;  // the driver reports it with its own message
  } catch (const RunTimeError&) {
    state.MessageText = kInversionFailure;
    ui.MessageBox(state.MessageText, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
    state.Abandon = true;
  }
}

}  // namespace ombrel
