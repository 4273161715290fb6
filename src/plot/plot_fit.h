// The fit of a ground window (metres, X east, Y north) to a picture area
// whose y axis points up: the governing extent fills half of the picture,
// starting a quarter in from the left and the bottom.
#pragma once

#include "model/network_state.h"

namespace ombrel {

struct GroundWindow {
  double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
  bool IsZero() const { return xMin == 0.0 && xMax == 0.0 && yMin == 0.0 && yMax == 0.0; }
  bool operator==(const GroundWindow&) const = default;
};

struct PlotFit {
  double width = 0.0;   // picture units
  double height = 0.0;  // picture units
  double scale = 0.0;   // s: ground metres per picture unit (> 0)
  double ox = 0.0;      // picture x of the ground origin
  double oy = 0.0;      // picture y of the ground origin
  double unit = 0.0;    // u = width / 120, the size of symbols and texts

  double PictureX(double x) const;
  double PictureY(double y) const;
  double GroundX(double px) const;
  double GroundY(double py) const;
};

// The points that have coordinates to draw: all of them, or for a network
// entered as matrices the variable points with approximate coordinates
// (points 1..ApproxCount; the two fixed points that stand for its datum
// have none).
int PlottedPointCount(const NetworkState& state);

// Bounding box of the plotted points (all zero when there are none).
GroundWindow NetworkExtent(const NetworkState& state);

// Fits the window to a picture of width x height units (both > 0). A window
// that is flat along one axis is fitted by the other; one flat along both (a
// single point) is fitted as if it spanned one metre in X.
PlotFit FitWindow(const GroundWindow& window, double width, double height);

// The window that FitWindow fits back to this fit at its picture size: the
// ground span of the half picture width that starts a quarter in from the
// left, flat in Y so that its width governs.
GroundWindow WindowOfFit(const PlotFit& fit);

}  // namespace ombrel
