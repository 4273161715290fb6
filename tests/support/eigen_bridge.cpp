#include "support/eigen_bridge.h"

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

}  // namespace ombrel::testing
