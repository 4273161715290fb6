#include "plot/plot_view.h"

#include <algorithm>

#include "numeric/checked.h"

namespace ombrel {

void PlotView::ShowAll(const NetworkState& state, double width, double height) {
  width_ = width;
  height_ = height;
  view_ = {};
  s0_ = 0.0;
  Redraw(state);
}

void PlotView::Redraw(const NetworkState& state) {
  fit_ = FitWindow(view_.IsZero() ? NetworkExtent(state) : view_, width_, height_);
  if (s0_ == 0.0) s0_ = fit_.scale;
  shown_ = {};
  drawn_ = true;
}

void PlotView::ZoomTo(const NetworkState& state, double px1, double py1, double px2, double py2) {
  if (!drawn_ || px1 == px2 || py1 == py2) return;
  const double x1 = fit_.GroundX(px1), x2 = fit_.GroundX(px2);
  const double y1 = fit_.GroundY(py1), y2 = fit_.GroundY(py2);
  view_ = {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
  Redraw(state);
}

void PlotView::ZoomAbout(double px, double py, double factor) {
  if (!drawn_ || !(factor > 0.0)) return;
  PlotFit fit = fit_;
  const double x = fit_.GroundX(px), y = fit_.GroundY(py);
  fit.scale = Div(fit_.scale, factor);
  fit.ox = Sub(px, Div(x, fit.scale));
  fit.oy = Sub(py, Div(y, fit.scale));
  ShowFit(fit);
}

void PlotView::Pan(double dx, double dy) {
  if (!drawn_) return;
  PlotFit fit = fit_;
  fit.ox = Add(fit.ox, dx);
  fit.oy = Add(fit.oy, dy);
  ShowFit(fit);
}

void PlotView::ShowFit(const PlotFit& fit) {
  view_ = WindowOfFit(fit);
  fit_ = FitWindow(view_, width_, height_);
}

void PlotView::Resize(const NetworkState& state, double width, double height) {
  if (!drawn_ || !(width > 0.0 && height > 0.0)) return;
  width_ = width;
  height_ = height;
  s0_ = FitWindow(NetworkExtent(state), width, height).scale;
  fit_ = FitWindow(view_.IsZero() ? NetworkExtent(state) : view_, width, height);
}

double PlotView::FigureToNetworkRatio(const NetworkState& state) const {
  return Mul(Div(CurrentMagnification(state), s0_), fit_.scale);
}

double PlotView::CurrentMagnification(const NetworkState& state) const {
  return Magnification(state, fit_.unit, s0_, state.Options.EllipseFactor);
}

PlotScene PlotView::Scene(const NetworkState& state) const {
  PlotScene scene;
  if (!drawn_) return scene;
  AddNetwork(scene, state, fit_);
  // Before any computation the ellipse matrices are not even sized.
  if (shown_.Any()) AddFigures(scene, state, fit_, s0_, CurrentMagnification(state), shown_);
  return scene;
}

}  // namespace ombrel
