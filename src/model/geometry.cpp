#include "model/geometry.h"

#include <cmath>

#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {

double AzimuthOf(double dx, double dy) {
  if (dy == 0.0) return dx < 0.0 ? kGonPerThreeQuarters : dx > 0.0 ? kGonPerQuarterCircle : 0.0;
  double t = Checked(std::atan(Div(dx, dy)) * kGonPerHalfCircle / kPi);
  // Quadrant rules in this order; dy < 0 with dx = 0 is due south.
  if (dy < 0.0 && t == 0.0) t = kGonPerHalfCircle;
  if (dx < 0.0 && t > 0.0) t += kGonPerHalfCircle;
  if (dx < 0.0 && t < 0.0) t += kGonPerCircle;
  if (dx > 0.0 && t < 0.0) t += kGonPerHalfCircle;
  return t;
}

double Azimuth(const NetworkState& state, int i, int j) {
  return AzimuthOf(Sub(state.Network.PointX(j), state.Network.PointX(i)),
                   Sub(state.Network.PointY(j), state.Network.PointY(i)));
}

double Distance(const NetworkState& state, int i, int j) {
  const double dx = Sub(state.Network.PointX(j), state.Network.PointX(i));
  const double dy = Sub(state.Network.PointY(j), state.Network.PointY(i));
  return Sqrt(Add(Mul(dx, dx), Mul(dy, dy)));
}

}  // namespace ombrel
