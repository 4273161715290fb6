// Shared helpers of the kernel tests: seeded random operands, conversions to
// and from Eigen (the independent oracle) and bit-exact comparison.
#pragma once

#include <Eigen/Dense>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <random>

#include "numeric/matrix.h"
#include "support/eigen_bridge.h"

namespace ombrel::testing_kernel {

using testing::ToEigen;

inline Matrix FromEigen(const Eigen::MatrixXd& e) {
  Matrix a(static_cast<int>(e.rows()), static_cast<int>(e.cols()));
  for (int r = 1; r <= a.Rows(); ++r)
    for (int c = 1; c <= a.Cols(); ++c) a(r, c) = e(r - 1, c - 1);
  return a;
}

// A matrix written row by row.
inline Matrix MatrixOf(std::initializer_list<std::initializer_list<double>> rows) {
  Matrix a(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    ++r;
    for (double value : row) a(r, ++c) = value;
  }
  return a;
}

inline Eigen::MatrixXd RandomMatrix(std::mt19937_64& rng, int rows, int cols) {
  std::uniform_real_distribution<double> u(-1.0, 1.0);
  Eigen::MatrixXd e(rows, cols);
  for (int c = 0; c < cols; ++c)
    for (int r = 0; r < rows; ++r) e(r, c) = u(rng);
  return e;
}

// Diagonally dominant, hence safe without pivoting; some diagonal elements
// negative so that negative pivots occur.
inline Eigen::MatrixXd RandomGeneral(std::mt19937_64& rng, int n) {
  Eigen::MatrixXd e = RandomMatrix(rng, n, n);
  for (int i = 0; i < n; ++i) e(i, i) += (i % 3 == 1 ? -1.0 : 1.0) * (n + 1.0);
  return e;
}

inline Eigen::MatrixXd RandomSpd(std::mt19937_64& rng, int n) {
  const Eigen::MatrixXd b = RandomMatrix(rng, n, n);
  Eigen::MatrixXd s = b * b.transpose() + Eigen::MatrixXd::Identity(n, n) * 0.5 * n;
  return (s + s.transpose()) / 2.0;  // exactly symmetric
}

// Zeroes roughly the given share of elements (keeping the diagonal), to
// give the zero structure of network matrices.
inline void Sparsify(std::mt19937_64& rng, Eigen::MatrixXd& e, double share, bool symmetric) {
  std::bernoulli_distribution drop(share);
  for (int r = 0; r < e.rows(); ++r)
    for (int c = symmetric ? r + 1 : 0; c < e.cols(); ++c)
      if (r != c && drop(rng)) {
        e(r, c) = 0.0;
        if (symmetric) e(c, r) = 0.0;
      }
}

inline bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Number of elements of 1..rows x 1..cols that differ in any bit.
inline int BitDifferences(const Matrix& a, const Matrix& b, int rows, int cols) {
  int count = 0;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c)
      if (!SameBits(a(r, c), b(r, c))) ++count;
  return count;
}

inline double Condition(const Eigen::MatrixXd& e) {
  Eigen::JacobiSVD<Eigen::MatrixXd> svd(e);
  const auto& s = svd.singularValues();
  return s(0) / s(s.size() - 1);
}

}  // namespace ombrel::testing_kernel
