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

double Azimuth(const SurveyNetwork& network, int i, int j) {
  return AzimuthOf(Sub(network.PointX(j), network.PointX(i)),
                   Sub(network.PointY(j), network.PointY(i)));
}

double Distance(const SurveyNetwork& network, int i, int j) {
  const double dx = Sub(network.PointX(j), network.PointX(i));
  const double dy = Sub(network.PointY(j), network.PointY(i));
  return Sqrt(Add(Mul(dx, dx), Mul(dy, dy)));
}

}  // namespace ombrel
