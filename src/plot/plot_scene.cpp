#include "plot/plot_scene.h"

#include <cmath>

#include "numeric/checked.h"
#include "plot/ellipse_outline.h"
#include "plot/network_shapes.h"

namespace ombrel {
namespace {

PlotLine ToPicture(const PlotFit& fit, const Segment& s) {
  return {fit.PictureX(s.x1), fit.PictureY(s.y1), fit.PictureX(s.x2), fit.PictureY(s.y2)};
}

void AddLabel(PlotScene& scene, const PlotFit& fit, double x, double y, std::string text,
              PlotColour colour) {
  scene.texts.push_back({Add(fit.PictureX(x), 0.23 * fit.unit),
                         Sub(fit.PictureY(y), 2.32 * fit.unit), std::move(text), colour});
}

// Room the label of a scale bar takes to the right of the bar, in units u.
constexpr double kBarLabelRoom = 14.0;

// "1 cm" and "5 cm" for tenths = 0, "1 mm", "5 mm" for 1, then "0.1 mm"...
std::string BarLabel(int digit, int tenths) {
  if (tenths == 0) return std::to_string(digit) + " cm";
  if (tenths == 1) return std::to_string(digit) + " mm";
  return "0." + std::string(static_cast<std::size_t>(tenths - 2), '0') + std::to_string(digit) +
         " mm";
}

// A horizontal bar of the given picture length at height y, ticked at both
// ends and labelled to its right.
void AddScaleBar(PlotScene& scene, const PlotFit& fit, double length, double y, std::string label) {
  const double u = fit.unit;
  const double x0 = 2.0 * u;
  const double x1 = Add(x0, length);
  scene.lines.push_back({x0, y, x1, y});
  scene.lines.push_back({x0, y - 0.5 * u, x0, y + 0.5 * u});
  scene.lines.push_back({x1, y - 0.5 * u, x1, y + 0.5 * u});
  scene.texts.push_back({x1 + u, y + 1.1 * u, std::move(label)});
}

void AddScaleBars(PlotScene& scene, const PlotFit& fit, double enlargement) {
  const double room = fit.width - (2.0 + kBarLabelRoom) * fit.unit;
  int tenths = 0;
  double shortBar = 0.01;  // metres
  while (Mul(5.0 * shortBar, enlargement) > room && tenths < 40) {
    ++tenths;
    shortBar = 0.01 * std::pow(10.0, -tenths);
  }
  AddScaleBar(scene, fit, Mul(shortBar, enlargement), fit.height - 11.0 * fit.unit,
              BarLabel(1, tenths));
  AddScaleBar(scene, fit, Mul(5.0 * shortBar, enlargement), fit.height - 14.0 * fit.unit,
              BarLabel(5, tenths));
}

}  // namespace

void AddNetwork(PlotScene& scene, const NetworkState& state, const PlotFit& fit) {
  for (int k = 1; k <= PlottedPointCount(state); ++k) {
    AddLabel(scene, fit, state.Network.PointX(k), state.Network.PointY(k),
             "Estación" + PointNumberText(state.Network.PointNumber(k)), PlotColour::Black);
    if (state.Import.MatrixInput)
      scene.dots.push_back(
          {fit.PictureX(state.Network.PointX(k)), fit.PictureY(state.Network.PointY(k))});
  }
  if (state.Import.MatrixInput) return;
  // The symbols are sized in picture units; in ground units that is u * s.
  const NetworkShapes shapes = BuildNetworkShapes(state, Mul(fit.unit, fit.scale));
  for (const Segment& s : shapes.segments) scene.lines.push_back(ToPicture(fit, s));
  for (const GroundPoint& p : shapes.apexes)
    scene.dots.push_back({fit.PictureX(p.x), fit.PictureY(p.y)});
}

void AddFigures(PlotScene& scene, const NetworkState& state, const PlotFit& fit, double s0,
                double magnification, const FigureSelection& selection) {
  if (!selection.Any()) return;
  const double enlargement = Div(magnification, s0);
  for (const PlacedEllipse& e : PlaceFigures(state, selection)) {
    const EllipseOutline o = OutlineEllipse(fit.PictureX(e.cx), fit.PictureY(e.cy), e.semiMajor,
                                            e.semiMinor, e.azimuth, enlargement, kPlotEllipseStep);
    scene.lines.push_back({o.axis.x1, o.axis.y1, o.axis.x2, o.axis.y2});
    for (const GroundPoint& d : o.dots) scene.dots.push_back({d.x, d.y, PlotColour::Black, true});
    if (!o.dots.empty())
      scene.ellipses.push_back({fit.PictureX(e.cx), fit.PictureY(e.cy),
                                Mul(e.semiMajor, enlargement), Mul(e.semiMinor, enlargement),
                                e.azimuth});
  }
  for (const GroundPoint& p : AuxiliaryPoints(state, selection)) {
    scene.dots.push_back({fit.PictureX(p.x), fit.PictureY(p.y), PlotColour::Cyan});
    AddLabel(scene, fit, p.x, p.y, "p.impropio", PlotColour::Cyan);
  }
  AddScaleBars(scene, fit, enlargement);
}

}  // namespace ombrel
