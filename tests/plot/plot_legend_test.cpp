// The legend of an exported drawing: what it says about the figures and the
// ground scale bar.
#include "plot/plot_legend.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plot_network.h"

namespace ombrel {
namespace {

TEST(PlotLegend, RoundLengthsAndTheirTexts) {
  const std::tuple<double, double, const char*> cases[] = {
      {1.0, 1.0, "1 m"},          {7.3, 5.0, "5 m"},   {0.034, 0.02, "0.02 m"},
      {199.0, 100.0, "100 m"},    {0.5, 0.5, "0.5 m"}, {2500.0, 2000.0, "2 km"},
      {12000.0, 10000.0, "10 km"}};
  for (const auto& [most, length, text] : cases) {
    EXPECT_DOUBLE_EQ(RoundLength(most), length) << most;
    EXPECT_EQ(GroundLengthText(length), text) << most;
  }
}

TEST(PlotLegend, SaysWhatIsDrawnTheEnlargementAndWhichUnitVarianceScaledIt) {
  NetworkState s = testing::PlotNetwork();
  s.ProjectName = "/datos/red.txt";
  s.Solution.Sigma0Sq = 2.25;
  s.Options.EllipseFactor = 2.5;
  PlotView view;
  view.ShowAll(s, 1200.0, 800.0);
  const PlotLegend bare = BuildPlotLegend(s, view, 150.0);
  EXPECT_EQ(bare.lines, (std::vector<std::string>{"Red: red.txt (3 vértices, 1 fijos)",
                                                  "Se dibuja: la red, sin figuras de error"}));
  // The bar is the longest round length within 150 picture units.
  const double most = 150.0 * view.Fit().scale;
  EXPECT_TRUE(bare.barMetres <= most && bare.barMetres > most / 2.5);

  view.Shown().absolute = true;
  view.Shown().relative = {{2, 3}};
  view.Shown().rosettes = {{1, 3}};
  const std::vector<std::string> lines = BuildPlotLegend(s, view, 150.0).lines;
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1],
            "Se dibuja: la red; elipses absolutas; elipses relativas (vértices 2-3); rosetas de "
            "error (variables 1-3)");
  // Mean semi-major axis 0.03 m drawn 4 u = 40 units long at factor 2.5.
  const double ratio = 2.5 * 40.0 / 0.03 * view.Fit().scale;
  EXPECT_EQ(lines[2], "Factor de ampliación de las figuras: 2.5 (se dibujan " +
                          std::to_string(std::lround(ratio)) + " veces mayores que la red)");
  EXPECT_EQ(lines[3],
            "Elipses estándar (1 σ: probabilidad de unos 39 % en el plano), con σ0 a "
            "posteriori = 1.5000");
  EXPECT_EQ(lines[4], "Figuras del hiperelipsoide estándar (1 σ); σ0 a priori = 1");
  s.Ellipses.APriori = true;
  EXPECT_EQ(BuildPlotLegend(s, view, 150.0).lines[3],
            "Elipses estándar (1 σ: probabilidad de unos 39 % en el plano), con σ0 a priori = 1 "
            "(sin redundancia)");
}

}  // namespace
}  // namespace ombrel
