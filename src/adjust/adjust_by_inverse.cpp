#include "adjust/adjust_by_inverse.h"

#include <string>
#include <utility>

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

AdjustmentSolution Adjust(const NetworkState& s) {
  const SystemSizes n{s.Network.NumObs + s.Equations.NumCondEq, s.ProjectUnknowns()};
  const bool full = s.Options.FullOutput;
  ListingWriter out(s.ListingFileName, ListingWriter::Mode::Append);
  WriteOpening(out, full);

  AdjustmentSolution solution;
  const NormalEquations normal = FormNormalEquations(s.Equations, n);
  solution.NormalMatrix = normal.normal;
  if (full) {
    WriteHeading(out, "    MATRIZ ( At P A ) ");
    WriteMatrix(out, solution.NormalMatrix, n.u, n.u, 8, 6);
    WriteHeading(out, "    MATRIZ COFACTOR Qxx = inv( At P A )");
  }

  solution.Qxx = Invert(solution.NormalMatrix, n.u, s.Options.Inversion);
  if (full) WriteMatrix(out, solution.Qxx, n.u, n.u, 4, 10);
  if (full && s.Options.CheckInversion)
    WriteInversionCheck(out, solution.NormalMatrix, solution.Qxx, n.u);

  Vector atpk;
  MultiplyVector(normal.atp, s.Equations.K, n.u, n.m, atpk);
  MultiplyVector(solution.Qxx, atpk, n.u, n.u, solution.Corrections);
  WriteCorrections(out, s, solution.Corrections);

  solution = CompleteSolution(out, s, n, std::move(solution), n.m - n.u, ConstrainedSectionTexts());
  out.Close();
  return solution;
}

}  // namespace

Result<AdjustmentSolution> AdjustByInverse(const NetworkState& state) {
  try {
    return Adjust(state);
  } catch (const SingularMatrix&) {
    throw;  // the driver reports it with its own message
  } catch (const RunTimeError&) {
    return Failure{kInversionFailure, Icon::Exclamation};
  }
}

}  // namespace ombrel
