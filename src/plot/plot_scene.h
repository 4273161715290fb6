// The picture as a list of primitives in picture units (x to the right, y
// up): what any back end paints with lines, dots and texts.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "plot/figure_set.h"
#include "plot/plot_fit.h"

namespace ombrel {

enum class PlotColour { Black, Cyan };

struct PlotLine {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  PlotColour colour = PlotColour::Black;
};
struct PlotDot {
  double x = 0.0, y = 0.0;
  PlotColour colour = PlotColour::Black;
  bool ring = false;  // one of the dots that outline an error figure
};
// An error figure whose ring of dots is in the scene, for back ends that
// draw it as one curve instead: centre and semi-axes in picture units,
// azimuth of the major axis in radians from +y towards +x.
struct PlotEllipse {
  double cx = 0.0, cy = 0.0;
  double semiMajor = 0.0, semiMinor = 0.0;
  double azimuth = 0.0;
};
// A text whose reference corner (top left of its first character) is (x, y).
struct PlotText {
  double x = 0.0, y = 0.0;
  std::string text;
  PlotColour colour = PlotColour::Black;
};

struct PlotScene {
  std::vector<PlotLine> lines;
  std::vector<PlotDot> dots;
  std::vector<PlotText> texts;
  std::vector<PlotEllipse> ellipses;  // the figures with a ring, as curves
};

// Parameter step of the ellipse dots on the picture.
inline constexpr double kPlotEllipseStep = 0.005;

// The network: "Estación" labels, fixed-point triangles with their apex
// dot, angle connections and distance lines with cross marks. A network
// entered as matrices gets only its labels and dots.
void AddNetwork(PlotScene& scene, const NetworkState& state, const PlotFit& fit);

// The figures of the selection enlarged by magnification / s0 (picture
// units per metre), the auxiliary points with a cyan dot and "p.impropio",
// and, when any figure is shown, the 1 cm and 5 cm scale bars (1 mm and
// 5 mm, or a tenth of those and so on, when a large magnification would
// carry the longer bar and its label past the right edge of the picture).
void AddFigures(PlotScene& scene, const NetworkState& state, const PlotFit& fit, double s0,
                double magnification, const FigureSelection& selection);

}  // namespace ombrel
