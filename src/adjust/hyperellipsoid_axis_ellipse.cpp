#include "adjust/hyperellipsoid_axis_ellipse.h"

#include <cmath>

#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {

namespace {

constexpr double kGonPerRadian = kGonPerHalfCircle / kPi;

// Azimuth in [0, 200) of the direction (x, y), from the j axis towards i;
// exact along the coordinate directions.
double DirectionAzimuth(double x, double y) {
  if (y == 0.0) return kGonPerQuarterCircle;
  if (x == 0.0) return 0.0;
  const double az = std::atan(x / y) * kGonPerRadian;
  return az < 0.0 ? az + kGonPerHalfCircle : az;
}

// u and w on one line: the ellipse flattens into the segment they span,
// whose half-length is the norm of the matrix [u w].
PlaneFigure Segment(double ui, double uj, double wi, double wj) {
  PlaneFigure f;
  f.semiMajor = Sqrt(Add(Add(Mul(ui, ui), Mul(uj, uj)), Add(Mul(wi, wi), Mul(wj, wj))));
  const bool alongU = ui != 0.0 || uj != 0.0;
  f.azimuthMajor = DirectionAzimuth(alongU ? ui : wi, alongU ? uj : wj);
  f.azimuthMinor = f.azimuthMajor + kGonPerQuarterCircle;
  return f;
}

}  // namespace

PlaneFigure AxisPairEllipse(double ui, double uj, double wi, double wj) {
  const double det = Sub(Mul(ui, wj), Mul(uj, wi));
  if (det == 0.0) return Segment(ui, uj, wi, wj);
  // The system "u and w on the ellipse, u and w conjugate" has the closed
  // solution M = (U^-1)^t U^-1 with U = [u w]; written so, it keeps its
  // digits when u and w are nearly parallel, where a 3 x 3 elimination
  // loses them and can leave a flat ellipse with a negative axis.
  const double det2 = Mul(det, det);
  const double a = Div(Add(Mul(uj, uj), Mul(wj, wj)), det2);
  const double b = -Div(Add(Mul(ui, uj), Mul(wi, wj)), det2);
  const double e = Div(Add(Mul(ui, ui), Mul(wi, wi)), det2);
  const double root = Sqrt(Add(Mul(a - e, a - e), Mul(4.0, Mul(b, b))));
  const double larger = Mul(0.5, Add(Add(a, e), root));
  // Eigenvalues of M: the larger directly, the smaller from det M = 1/det^2.
  const double smaller = Div(1.0, Mul(det2, larger));
  PlaneFigure f;
  f.semiMajor = Sqrt(Div(1.0, smaller));
  f.semiMinor = Sqrt(Div(1.0, larger));
  // The major axis runs along (2b, (e - a) - root). When b or that slope
  // vanishes, as it does to rounding when both semi-axes project onto the
  // coordinate directions, the axis lies along one of them and its azimuth
  // follows from the direction itself rather than from 1 / slope.
  const double rise = Sub(e - a, root);
  const double run = Mul(2.0, b);
  const double slope = run == 0.0 ? 0.0 : rise / run;
  double az;
  if (rise == 0.0) {
    az = kGonPerQuarterCircle;  // along i (for a circle, any direction serves)
  } else if (slope != 0.0 && std::isfinite(slope) && std::isfinite(1.0 / slope)) {
    az = std::atan(1.0 / slope) * kGonPerRadian;
    if (az < 0.0) az += kGonPerHalfCircle;
    if (az > kGonPerHalfCircle) az -= kGonPerHalfCircle;
  } else {
    az = DirectionAzimuth(run, rise);
  }
  f.azimuthMajor = az;
  f.azimuthMinor = az + kGonPerQuarterCircle;
  return f;
}

}  // namespace ombrel
