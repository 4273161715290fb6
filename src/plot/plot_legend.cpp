#include "plot/plot_legend.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <utility>

#include "numeric/checked.h"

namespace ombrel {
namespace {

// Fixed-point text with the given decimals, "." as decimal point whatever
// the locale.
std::string Fixed(double value, int decimals) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

// The shortest text that reads back to the value ("2.5", "1000").
std::string Shortest(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Pairs(const std::vector<std::pair<int, int>>& pairs) {
  std::string text;
  for (const auto& [a, b] : pairs)
    text += (text.empty() ? "" : ", ") + std::to_string(a) + "-" + std::to_string(b);
  return text;
}

std::string NetworkLine(const NetworkState& s) {
  if (s.Import.MatrixInput) return "Red: matrices importadas";
  return "Red: " + std::filesystem::path(s.ProjectName).filename().string() + " (" +
         std::to_string(s.Network.NumPoints) + " vértices, " + std::to_string(s.Network.NumFixed) +
         " fijos)";
}

std::string DrawnLine(const FigureSelection& shown) {
  if (!shown.Any()) return "Se dibuja: la red, sin figuras de error";
  std::string text = "Se dibuja: la red";
  const auto add = [&](const std::string& what) { text += "; " + what; };
  if (shown.absolute) add("elipses absolutas");
  if (!shown.relative.empty()) add("elipses relativas (vértices " + Pairs(shown.relative) + ")");
  if (!shown.rosettes.empty()) add("rosetas de error (variables " + Pairs(shown.rosettes) + ")");
  if (!shown.sections.empty())
    add("secciones del hiperelipsoide (variables " + Pairs(shown.sections) + ")");
  if (!shown.projections.empty())
    add("proyecciones de los semiejes (variables " + Pairs(shown.projections) + ")");
  return text;
}

// Enlargements from ten on are whole numbers; smaller ones keep two decimals.
std::string RatioText(double ratio) {
  return ratio >= 10.0 ? Fixed(ratio, 0) : Fixed(ratio, 2);
}

}  // namespace

double RoundLength(double maxLength) {
  const double power = std::pow(10.0, std::floor(std::log10(maxLength)));
  for (const double step : {5.0, 2.0, 1.0})
    if (step * power <= maxLength) return step * power;
  return power;
}

std::string GroundLengthText(double metres) {
  const bool km = metres >= 1000.0;
  const double value = km ? metres / 1000.0 : metres;
  // As many decimals as the first significant digit needs.
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(value))));
  return Fixed(value, decimals) + (km ? " km" : " m");
}

PlotLegend BuildPlotLegend(const NetworkState& s, const PlotView& view, double maxBarLength) {
  PlotLegend legend;
  const FigureSelection& shown = view.Shown();
  legend.lines.push_back(NetworkLine(s));
  legend.lines.push_back(DrawnLine(shown));
  if (shown.Any())
    legend.lines.push_back(
        "Factor de ampliación de las figuras: " + Shortest(s.Options.EllipseFactor) +
        " (se dibujan " + RatioText(view.FigureToNetworkRatio(s)) + " veces mayores que la red)");
  if (shown.absolute || !shown.relative.empty()) {
    const std::string sigma0 = s.Ellipses.APriori
                                   ? "σ0 a priori = 1 (sin redundancia)"
                                   : "σ0 a posteriori = " + Fixed(Sqrt(s.Solution.Sigma0Sq), 4);
    legend.lines.push_back("Elipses estándar (1 σ: probabilidad de unos 39 % en el plano), con " +
                           sigma0);
  }
  if (!shown.rosettes.empty() || !shown.sections.empty() || !shown.projections.empty())
    legend.lines.push_back("Figuras del hiperelipsoide estándar (1 σ); σ0 a priori = 1");
  legend.barMetres = RoundLength(Mul(maxBarLength, view.Fit().scale));
  legend.barLabel = GroundLengthText(legend.barMetres);
  return legend;
}

}  // namespace ombrel
