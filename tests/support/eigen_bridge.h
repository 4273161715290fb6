// The leading block of the program's 1-based matrices and vectors as Eigen
// ones, for the tests that use Eigen as an independent oracle.
#pragma once

#include <Eigen/Dense>

#include "numeric/matrix.h"

namespace ombrel::testing {

Eigen::MatrixXd ToEigen(const Matrix& m, int rows, int cols);
Eigen::VectorXd ToEigen(const Vector& v, int n);

}  // namespace ombrel::testing
