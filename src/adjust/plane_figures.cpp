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
  const double sp = Div(uj, ui);
  const double sq = Div(wj, wi);
  // Rows: u on the ellipse, w on the ellipse, u and w conjugate.
  const double m[3][3] = {{Mul(ui, ui), Mul(2.0, Mul(ui, uj)), Mul(uj, uj)},
                          {Mul(wi, wi), Mul(2.0, Mul(wi, wj)), Mul(wj, wj)},
                          {1.0, Add(sp, sq), Mul(sp, sq)}};
  const double rhs[3] = {1.0, 1.0, 0.0};
  auto det = [](const double k[3][3]) {
    return Checked(k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1]) -
                   k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) +
                   k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]));
  };
  const double d = det(m);
  double solution[3];
  for (int c = 0; c < 3; ++c) {
    double k[3][3];
    for (int r = 0; r < 3; ++r)
      for (int cc = 0; cc < 3; ++cc) k[r][cc] = cc == c ? rhs[r] : m[r][cc];
    solution[c] = Div(det(k), d);
  }
  const double a = solution[0], b = solution[1], e = solution[2];
  const double root = Sqrt(Add(Mul(a - e, a - e), Mul(4.0, Mul(b, b))));
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  AxisAlong(a, 2.0 * b, e, Div(Add(e - a, root), Mul(2.0, b)), x1, y1);
  AxisAlong(a, 2.0 * b, e, Div(Sub(e - a, root), Mul(2.0, b)), x2, y2);
  const bool firstMajor = Length(x1, y1) >= Length(x2, y2);
  PlaneFigure f;
  f.semiMajor = firstMajor ? Length(x1, y1) : Length(x2, y2);
  f.semiMinor = firstMajor ? Length(x2, y2) : Length(x1, y1);
  const double x = firstMajor ? x1 : x2;
  const double y = firstMajor ? y1 : y2;
  double az = std::atan(Div(x, y)) * kGonPerRadian;
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
