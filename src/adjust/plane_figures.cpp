#include "adjust/plane_figures.h"

#include <cmath>

#include "adjust/hyperellipsoid_axis_ellipse.h"
#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {

namespace {

constexpr double kGonPerRadian = kGonPerHalfCircle / kPi;

// The semi-axis of a x^2 + 2b xy + e y^2 = 1 along slope t, as (x, y).
void AxisAlong(double a, double twoB, double e, double t, double& x, double& y) {
  x = Sqrt(Div(1.0, Add(Add(a, Mul(twoB, t)), Mul(Mul(e, t), t))));
  y = Mul(t, x);
}

double Length(double x, double y) {
  return Sqrt(Add(Mul(x, x), Mul(y, y)));
}

}  // namespace

PlaneFigure ProjectedFigure(double cii, double cjj, double twoCij) {
  PlaneFigure f;
  if (twoCij == 0.0) {
    const double alongX = Sqrt(Div(1.0, cii));
    const double alongY = Sqrt(Div(1.0, cjj));
    const bool xMajor = alongX >= alongY;
    f.semiMajor = xMajor ? alongX : alongY;
    f.semiMinor = xMajor ? alongY : alongX;
    f.azimuthMajor = xMajor ? kGonPerQuarterCircle : kGonPerHalfCircle;
    f.azimuthMinor = xMajor ? kGonPerHalfCircle : kGonPerQuarterCircle;
    return f;
  }
  const double t0 = Div(Sub(cjj, cii), twoCij);
  const double r = Div(Sqrt(Add(Mul(cii - cjj, cii - cjj), Mul(twoCij, twoCij))), twoCij);
  const double s1 = Add(t0, r);
  const double s2 = Sub(t0, r);
  double x = 0.0, y = 0.0;
  AxisAlong(cii, twoCij, cjj, s2, x, y);
  f.semiMajor = Length(x, y);
  AxisAlong(cii, twoCij, cjj, s1, x, y);
  f.semiMinor = Length(x, y);
  f.azimuthMajor = kGonPerQuarterCircle - std::atan(s2) * kGonPerRadian;
  f.azimuthMinor = kGonPerQuarterCircle - std::atan(s1) * kGonPerRadian;
  return f;
}

PlaneFigure AxisProjectionFigure(const HyperellipsoidFigureSet& figures, int i, int j, int t) {
  const int kept = figures.AxisProjSemiAxes;
  int count = 0;
  for (int p = 1; p < kept; ++p) {
    if (t > count + (kept - p)) {
      count += kept - p;
      continue;
    }
    const int q = p + (t - count);
    const Matrix& u = figures.SemiAxisVectors;
    return AxisPairEllipse(u(i, p), u(j, p), u(i, q), u(j, q));
  }
  ThrowSubscript("subíndice fuera del intervalo", t, kNoSecond);
}

}  // namespace ombrel
