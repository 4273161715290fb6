#include "adjust/blunder_finder.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Characters of a UTF-8 text (the listing is one byte per character on disk).
int Width(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string PadRight(const std::string& text, int width) {
  return text + std::string(static_cast<std::size_t>(std::max(0, width - Width(text))), ' ');
}

std::string PadLeft(const std::string& text, int width) {
  return std::string(static_cast<std::size_t>(std::max(0, width - Width(text))), ' ') + text;
}

std::string ShortestText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Competition places over the checked rows, already sorted by drop.
void AssignPlaces(std::vector<BlunderRow>& ranked) {
  for (std::size_t i = 0; i < ranked.size() && ranked[i].checked; ++i) {
    const bool tied =
        i > 0 && ranked[i - 1].drop - ranked[i].drop <= kEqualDrop * ranked[i - 1].drop;
    ranked[i].place = tied ? ranked[i - 1].place : static_cast<int>(i) + 1;
  }
}

// The columns of the ranking: place, equation, kind, points, residual,
// drop, variance without the row, w, redundancy. The heading and the rows
// share the widths.
std::string Columns(const std::vector<std::string>& c) {
  const std::string line = PadLeft(c[0], 6) + PadLeft(c[1], 8) + "   " + PadRight(c[2], 10) +
                           PadRight(c[3], 12) + PadLeft(c[4], 13) + PadLeft(c[5], 15) +
                           PadLeft(c[6], 13) + PadLeft(c[7], 11) + PadLeft(c[8], 12);
  return line.substr(0, line.find_last_not_of(' ') + 1);
}

std::string RowLine(const BlunderRow& b, const RowName& name) {
  const std::string place = b.checked ? std::to_string(b.place) : "-";
  const std::string number = std::to_string(name.number);
  const std::string residual = FormatNumber(b.residual, 6, 6);
  if (!b.checked)
    return Columns({place, number, name.kind, name.points, residual, "", "", "", ""}) +
           "   sin control: ninguna otra observación la comprueba";
  const std::string line =
      Columns({place, number, name.kind, name.points, residual, FormatNumber(b.drop, 8, 6),
               b.hasVarianceWithout ? FormatNumber(b.varianceWithout, 6, 6) : "---",
               FormatNumber(b.statistic, 6, 4), FormatNumber(b.redundancy, 3, 6)});
  return line + (b.rejected ? "   rechazada" : "");
}

}  // namespace

BlunderSearch FindBlunders(const LeastSquaresSolution& solution, const Vector& weights, int rows,
                           double baardaShift) {
  BlunderSearch search;
  search.weightedSum = solution.weightedSum;
  search.degreesOfFreedom = solution.degreesOfFreedom;
  search.variance = Div(solution.weightedSum, solution.degreesOfFreedom);
  search.baardaShift = baardaShift;
  search.criticalValue = Sub(baardaShift, kPowerQuantile);
  for (int i = 1; i <= rows; ++i) {
    BlunderRow b;
    b.row = i;
    b.residual = solution.residuals(i);
    b.redundancy = solution.redundancy(i);
    b.checked = b.redundancy >= kUncheckedRedundancy;
    if (b.checked) {
      const double v = b.residual, p = weights(i), r = b.redundancy;
      b.drop = Div(Mul(Mul(v, v), p), r);
      b.hasVarianceWithout = search.degreesOfFreedom >= 2;
      // Rounding may leave the difference a hair below zero when the row
      // explains the whole misclosure.
      if (b.hasVarianceWithout)
        b.varianceWithout =
            Div(std::max(0.0, Sub(search.weightedSum, b.drop)), search.degreesOfFreedom - 1);
      b.statistic = Div(v, Sqrt(Mul(search.variance, Div(r, p))));
      b.rejected = std::fabs(b.statistic) > search.criticalValue;
    }
    search.ranked.push_back(b);
  }
  std::stable_sort(search.ranked.begin(), search.ranked.end(),
                   [](const BlunderRow& a, const BlunderRow& b) {
                     if (a.checked != b.checked) return a.checked;
                     return a.drop > b.drop;
                   });
  AssignPlaces(search.ranked);
  return search;
}

void WriteBlunderListing(ListingWriter& out, const std::string& network,
                         const BlunderSearch& search, const std::vector<RowName>& names) {
  const std::string title = "   BUSQUEDA DE ERRORES GROSEROS   ";
  const int stars = 66 - Width(title);
  out.BlankLine();
  WriteBanner(out, "    " + std::string(static_cast<std::size_t>(stars / 2), '*') + title +
                       std::string(static_cast<std::size_t>(stars - stars / 2), '*'));
  out.BlankLine();
  out.BlankLine();
  out.Line("    Red: " + network);
  out.BlankLine();
  out.Line("    Cada observación se quita de la red y la red se compensa de nuevo: la suma");
  out.Line("    vt P v disminuye en  v*v*p/r  (v residuo, p peso, r número de redundancia).");
  out.BlankLine();
  out.Line("    Suma de los residuos ponderados al cuadrado  vt P v =" +
           FormatNumber(search.weightedSum, 6, 8));
  out.Line("    Numero de grados de libertad   r =  " + std::to_string(search.degreesOfFreedom));
  out.Line("    Estimador varianza observable peso unidad =" + FormatNumber(search.variance, 6, 8));
  out.Line("    --->  Parametro de traslacion asociado :    " + ShortestText(search.baardaShift));
  out.Line("    --->  Valor critico de |w| (potencia del 80 %) :" +
           FormatNumber(search.criticalValue, 2, 4));
  WriteHeading(out,
               "    Residuos en 1e-4 gon (ángulos) y en metros (distancias); w con el estimador "
               "de la varianza");
  out.Line(Columns({"Puesto", "Observ", "Tipo", "Puntos", "Residuo", "Disminución", "Varianza", "w",
                    "Redundancia"}));
  out.Line(Columns({"", "", "", "", "", "de vt P v", "sin ella", "de Baarda", ""}));
  out.BlankLine();
  for (const BlunderRow& b : search.ranked)
    out.Line(RowLine(b, names[static_cast<std::size_t>(b.row - 1)]));
  out.BlankLine();
  const int rejected = static_cast<int>(std::count_if(
      search.ranked.begin(), search.ranked.end(), [](const BlunderRow& b) { return b.rejected; }));
  out.Line("    Observaciones que el test rechaza: " + std::to_string(rejected));
}

}  // namespace ombrel
