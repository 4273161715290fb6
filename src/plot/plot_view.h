// The state of one graphics window: the ground window shown, the reference
// scale of the full view, the fit and the figures on the picture. Turns the
// window's commands into redraws of a PlotScene.
#pragma once

#include "model/network_state.h"
#include "plot/figure_set.h"
#include "plot/plot_fit.h"
#include "plot/plot_scene.h"

namespace ombrel {

class PlotView {
 public:
  // "Ver toda la red": the whole network, which also sets the reference
  // scale. width, height: picture size in picture units (> 0).
  void ShowAll(const NetworkState& state, double width, double height);

  // Redraws the current window without figures (after a zoom with the
  // rectangle or a new magnification factor). Needs a picture size given
  // before. The wheel, dragging and a new size keep the figures.
  void Redraw(const NetworkState& state);

  // Shows the rectangle between two picture points (any two corners) at
  // the picture's full size. A rectangle without area is ignored.
  void ZoomTo(const NetworkState& state, double px1, double py1, double px2, double py2);

  // The wheel: the drawing grows by `factor` (> 0; above 1 zooms in) about
  // the picture point (px, py), which keeps its ground position.
  void ZoomAbout(double px, double py, double factor);

  // Dragging: the drawing moves by (dx, dy) picture units.
  void Pan(double dx, double dy);

  // A picture of another size: the same ground window fitted to it, and the
  // reference scale that of the whole network at that size.
  void Resize(const NetworkState& state, double width, double height);

  // The figures now shown; the window adds to it as commands draw.
  FigureSelection& Shown() { return shown_; }
  const FigureSelection& Shown() const { return shown_; }

  bool Drawn() const { return drawn_; }
  const PlotFit& Fit() const { return fit_; }
  double ReferenceScale() const { return s0_; }
  // The DXF export is offered only while the full network is shown.
  bool DxfEnabled() const { return drawn_ && fit_.scale == s0_; }

  // M for the current factor (NetworkState::EllipseFactor).
  double CurrentMagnification(const NetworkState& state) const;
  // How many times larger than the network the figures are drawn at this
  // view: their picture units per metre over the network's.
  double FigureToNetworkRatio(const NetworkState& state) const;

  // The whole picture: the network and the figures shown.
  PlotScene Scene(const NetworkState& state) const;

 private:
  // A new fit after a zoom or a pan: the window it shows, figures kept.
  void ShowFit(const PlotFit& fit);

  GroundWindow view_;  // all zero: the whole network
  double s0_ = 0.0;
  PlotFit fit_;
  double width_ = 0.0, height_ = 0.0;
  bool drawn_ = false;
  FigureSelection shown_;
};

}  // namespace ombrel
