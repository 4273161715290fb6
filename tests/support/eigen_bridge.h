// The leading block of the program's 1-based matrices and vectors as Eigen
// ones, for the tests that use Eigen as an independent oracle.
#pragma once

#include <Eigen/Dense>
#include <string>

#include "model/network_state.h"
#include "numeric/matrix.h"

namespace ombrel::testing {

Eigen::MatrixXd ToEigen(const Matrix& m, int rows, int cols);
Eigen::VectorXd ToEigen(const Vector& v, int n);

// An em6 between the smallest kept and the largest dropped singular value of
// m, as a person reading the review would choose it.
std::string Em6Between(const Eigen::MatrixXd& m, int defect);

// The normal matrix At P A of the project's equations (scale column included).
Eigen::MatrixXd ProjectNormal(const NetworkState& s);

// The unit vector of an azimuth in gon (from the y axis towards the x axis).
Eigen::Vector2d Direction(double gon);

// The text of a value typed in a prompt or a file, to the last digit.
std::string Text(double value);

}  // namespace ombrel::testing
