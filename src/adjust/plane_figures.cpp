#include "adjust/plane_figures.h"

#include <cmath>
#include <numbers>

#include "numeric/checked.h"

namespace ombrel {

namespace {

constexpr double kGonPerRadian = 200.0 / std::numbers::pi;

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
    f.azimuthMajor = xMajor ? 100.0 : 200.0;
    f.azimuthMinor = xMajor ? 200.0 : 100.0;
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
  f.azimuthMajor = 100.0 - std::atan(s2) * kGonPerRadian;
  f.azimuthMinor = 100.0 - std::atan(s1) * kGonPerRadian;
  return f;
}

PlaneFigure ConjugateFigure(double ui, double uj, double wi, double wj) {
  // The system "u and w on the ellipse, u and w conjugate" has the closed
  // solution M = (U^-1)^t U^-1 with U = [u w]; written so, it keeps its
  // digits when u and w are nearly parallel, where the 3 x 3 elimination
  // loses them and can leave a flat ellipse with a negative axis.
  const double det = Sub(Mul(ui, wj), Mul(uj, wi));  // zero: a singular system
  const double det2 = Mul(det, det);
  const double a = Div(Add(Mul(uj, uj), Mul(wj, wj)), det2);
  const double b = -Div(Add(Mul(ui, uj), Mul(wi, wj)), det2);
  const double e = Div(Add(Mul(ui, ui), Mul(wi, wi)), det2);
  const double root = Sqrt(Add(Mul(a - e, a - e), Mul(4.0, Mul(b, b))));
  // Eigenvalues of M: the larger directly, the smaller from det M = 1/det^2.
  const double larger = Mul(0.5, Add(Add(a, e), root));
  const double smaller = Div(1.0, Mul(det2, larger));
  PlaneFigure f;
  f.semiMajor = Sqrt(Div(1.0, smaller));
  f.semiMinor = Sqrt(Div(1.0, larger));
  // The major axis runs along the principal slope ((e - a) - root) / 2b.
  const double slope = Div(Sub(e - a, root), Mul(2.0, b));
  double az = std::atan(Div(1.0, slope)) * kGonPerRadian;
  if (az < 0.0) az += 200.0;
  if (az > 200.0) az -= 200.0;
  f.azimuthMajor = az;
  f.azimuthMinor = az + 100.0;
  return f;
}

PlaneFigure AxisProjectionFigure(const NetworkState& s, int i, int j, int t) {
  const int kept = s.AxisProjSemiAxes;
  int count = 0;
  for (int p = 1; p < kept; ++p) {
    if (t > count + (kept - p)) {
      count += kept - p;
      continue;
    }
    const int q = p + (t - count);
    const Matrix& u = s.SemiAxisVectors;
    return ConjugateFigure(u(i, p), u(j, p), u(i, q), u(j, q));
  }
  ThrowSubscript("subíndice fuera del intervalo", t, kNoSecond);
}

}  // namespace ombrel
