#include "plot/plot_fit.h"

#include <algorithm>

#include "numeric/checked.h"

namespace ombrel {

double PlotFit::PictureX(double x) const {
  return Add(Div(x, scale), ox);
}
double PlotFit::PictureY(double y) const {
  return Add(Div(y, scale), oy);
}
double PlotFit::GroundX(double px) const {
  return Mul(Sub(px, ox), scale);
}
double PlotFit::GroundY(double py) const {
  return Mul(Sub(py, oy), scale);
}

int PlottedPointCount(const NetworkState& state) {
  if (!state.Import.MatrixInput) return state.Network.NumPoints;
  return state.Import.ApproxCoordsGiven
             ? std::min(state.Import.ApproxCount, state.Network.NumPoints)
             : 0;
}

GroundWindow NetworkExtent(const NetworkState& state) {
  GroundWindow w;
  for (int k = 1; k <= PlottedPointCount(state); ++k) {
    const double x = state.Network.PointX(k);
    const double y = state.Network.PointY(k);
    if (k == 1) {
      w = {x, x, y, y};
      continue;
    }
    w.xMin = std::min(w.xMin, x);
    w.xMax = std::max(w.xMax, x);
    w.yMin = std::min(w.yMin, y);
    w.yMax = std::max(w.yMax, y);
  }
  return w;
}

PlotFit FitWindow(const GroundWindow& window, double width, double height) {
  PlotFit fit;
  fit.width = width;
  fit.height = height;
  fit.unit = Div(width, 120.0);
  double dx = Sub(window.xMax, window.xMin);
  const double dy = Sub(window.yMax, window.yMin);
  // A zero extent would give a zero scale; the flat axis simply never
  // governs, and a single point is shown as one metre wide.
  if (dx == 0.0 && dy == 0.0) dx = 1.0;
  const bool byWidth = dy == 0.0 || (dx != 0.0 && Div(dx, width) >= Div(dy, height));
  const double margin = byWidth ? width / 4.0 : height / 4.0;
  fit.scale = byWidth ? Div(2.0 * dx, width) : Div(2.0 * dy, height);
  fit.ox = Add(-Div(window.xMin, fit.scale), margin);
  fit.oy = Add(-Div(window.yMin, fit.scale), margin);
  return fit;
}

GroundWindow WindowOfFit(const PlotFit& fit) {
  const double margin = fit.width / 4.0;
  const double xMin = Mul(Sub(margin, fit.ox), fit.scale);
  const double yMin = Mul(Sub(margin, fit.oy), fit.scale);
  return {xMin, Add(xMin, Mul(fit.scale, fit.width / 2.0)), yMin, yMin};
}

}  // namespace ombrel
