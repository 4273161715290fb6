// The outline of an error figure as drawn: its major axis as a line and the
// ellipse as a ring of dots, at a chosen enlargement.
#pragma once

#include <vector>

#include "plot/network_shapes.h"

namespace ombrel {

struct EllipseOutline {
  Segment axis;
  std::vector<GroundPoint> dots;  // empty when the figure is flat (B <= 1e-12 m)
};

// Semi-axes a >= b >= 0 in metres, azimuth of the major axis in radians from
// +Y towards +X, centre (cx, cy) in drawing units. A length L is drawn as
// L * enlargement drawing units. The dots are taken at parameter t = 0,
// step, 2 step, ... up to 2 pi (step > 0), t = 0 at the end of the major
// axis that lies against the azimuth.
EllipseOutline OutlineEllipse(double cx, double cy, double a, double b, double azimuth,
                              double enlargement, double step);

}  // namespace ombrel
