#include "adjust/results_summary.h"

#include <algorithm>
#include <string>

#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/run_time_error.h"

namespace ombrel {
namespace {

constexpr const char* kSummaryFailed = "¡ Se ha producido un error al mostrar el resumen !";

// Point index that owns unknowns 2k-1 and 2k.
int VariablePoint(const NetworkState& state, int k) {
  for (int j = 1; j <= state.Network.NumPoints; ++j)
    if (state.Network.VariableIndex(j) == k) return j;
  return 0;
}

// Standard deviation of unknown u (its units).
double StandardDeviation(const NetworkState& state, int u) {
  return Sqrt(Mul(state.Solution.Sigma0Sq, state.Solution.Qxx(u, u)));
}

// Blanks that keep the columns in place for fewer than six decimals.
std::string Padding(int decimals) {
  return std::string(static_cast<std::size_t>(std::max(0, 6 - decimals)), ' ');
}

// One line of a point: correction, "X(  7 )" or "Y(  7 )", adjusted
// coordinate, standard deviation.
std::string CoordinateLine(const NetworkState& state, int u, char axis, int number,
                           double approximate) {
  const int d = state.Options.OutputDecimals;
  const double correction = state.Solution.Corrections(u);
  return " " + FormatNumber(correction, 8, d) + Padding(d) + "       " + axis + "(" +
         RightAlignedNumberLabel(number) + " ) " +
         FormatNumber(Add(approximate, correction), 6, d) + Padding(d) + "      " +
         FormatNumber(StandardDeviation(state, u), 6, d);
}

void WriteFullLayout(ListingWriter& out, const NetworkState& state, int points) {
  out.BlankLine();
  out.Line("      Correcciones     Variables compensadas     Desviaciones típicas ");
  out.Line("      ------------     ---------------------     -------------------- ");
  for (int k = 1; k <= points; ++k) {
    const int j = VariablePoint(state, k);
    const int number = state.Network.PointNumber(j);
    out.Line(CoordinateLine(state, 2 * k - 1, 'X', number, state.Network.PointX(j)));
    out.Line(CoordinateLine(state, 2 * k, 'Y', number, state.Network.PointY(j)));
  }
}

// Without approximate coordinates only the corrections and their deviations.
void WriteShortLayout(ListingWriter& out, const NetworkState& state, int points) {
  const int d = state.Options.OutputDecimals;
  out.BlankLine();
  out.Line("      Correcciones                              Desviaciones Típicas ");
  out.Line("      ------------                              -------------------- ");
  for (int u = 1; u <= 2 * points; ++u)
    out.Line(" " + FormatNumber(state.Solution.Corrections(u), 8, d) + std::string(34, ' ') +
             Padding(d) + FormatNumber(StandardDeviation(state, u), 6, d));
}

// The scale correction always with six decimals and its factor in ppm.
void WriteScaleLine(ListingWriter& out, const NetworkState& state, int m) {
  const double mu = state.Solution.Corrections(m);
  out.Line(" " + FormatNumber(mu, 8, 6) + "  -->  factor =  " + FormatNumber(Mul(mu, 1e6), 4, 2) +
           " ppm" + "   " + Padding(state.Options.OutputDecimals) +
           FormatNumber(StandardDeviation(state, m), 6, 6));
}

void WriteSummary(const NetworkState& state) {
  const int points = state.Network.NumPoints - state.Network.NumFixed;
  const int m = 2 * points + state.Equations.ScaleUnknown;

  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Append);
  for (int i = 0; i < 7; ++i) out.BlankLine();
  WriteBanner(out, "    ******************    RESUMEN DE RESULTADOS     ******************");
  out.BlankLine();
  out.BlankLine();
  if (state.Import.MatrixInput && !state.Import.ApproxCoordsGiven)
    WriteShortLayout(out, state, points);
  else
    WriteFullLayout(out, state, points);
  if (state.Equations.ScaleUnknown == 1) WriteScaleLine(out, state, m);
  for (int i = 0; i < 3; ++i) out.BlankLine();
  out.Line("      Estimador de la varianza del observable de peso unidad: " +
           FormatNumber(state.Solution.Sigma0Sq, 4, 5));
  out.Close();
}

}  // namespace

std::optional<Failure> WriteResultsSummary(const NetworkState& state) {
  try {
    WriteSummary(state);
  } catch (const RunTimeError&) {
    return Failure{kSummaryFailed, Icon::Exclamation};
  }
  return std::nullopt;
}

}  // namespace ombrel
