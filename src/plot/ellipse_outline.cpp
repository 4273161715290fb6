#include "plot/ellipse_outline.h"

#include <cmath>

#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {

EllipseOutline OutlineEllipse(double cx, double cy, double a, double b, double azimuth,
                              double enlargement, double step) {
  EllipseOutline out;
  const double sinAz = std::sin(azimuth);
  const double cosAz = std::cos(azimuth);
  const double half = Mul(a, enlargement);
  out.axis = {Sub(cx, Mul(half, sinAz)), Sub(cy, Mul(half, cosAz)), Add(cx, Mul(half, sinAz)),
              Add(cy, Mul(half, cosAz))};
  // A flat figure is its axis alone: its ring would divide zero by zero.
  if (!(b > 1e-12) || !(a > 0.0)) return out;
  const double e2 = Div(Sub(Mul(a, a), Mul(b, b)), Mul(a, a));
  for (int n = 0;; ++n) {
    const double t = n * step;
    if (t > 2.0 * kPi) break;
    const double c = std::cos(t), s = std::sin(t);
    const double r = Mul(Div(b, Sqrt(Sub(1.0, Mul(e2, c * c)))), enlargement);
    out.dots.push_back(
        {Add(cx, Mul(r, -c * sinAz + s * cosAz)), Add(cy, Mul(r, -c * cosAz - s * sinAz))});
  }
  return out;
}

}  // namespace ombrel
