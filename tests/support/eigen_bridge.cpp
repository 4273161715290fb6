#include "support/eigen_bridge.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace ombrel::testing {

Eigen::MatrixXd ToEigen(const Matrix& m, int rows, int cols) {
  Eigen::MatrixXd e(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) e(i - 1, j - 1) = m(i, j);
  return e;
}

Eigen::VectorXd ToEigen(const Vector& v, int n) {
  Eigen::VectorXd e(n);
  for (int i = 1; i <= n; ++i) e(i - 1) = v(i);
  return e;
}

std::string Em6Between(const Eigen::MatrixXd& m, int defect) {
  const Eigen::VectorXd sv = Eigen::JacobiSVD<Eigen::MatrixXd>(m).singularValues();
  const long kept = sv.size() - defect;
  char text[40];
  std::snprintf(text, sizeof text, "%.6g", std::sqrt(sv(kept - 1) * sv(kept)));
  return text;
}

Eigen::MatrixXd ProjectNormal(const NetworkState& s) {
  const int m = s.Network.NumObs, u = s.ProjectUnknowns();
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, m, u);
  return a.transpose() * ToEigen(s.Equations.P, m, m) * a;
}

Eigen::Vector2d Direction(double gon) {
  const double angle = gon * std::numbers::pi / 200.0;
  return {std::sin(angle), std::cos(angle)};
}

std::string Text(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace ombrel::testing
