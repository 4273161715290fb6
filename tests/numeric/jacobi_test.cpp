#include "numeric/jacobi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "kernel_test_support.h"
#include "literal_kernel.h"

namespace ombrel {
namespace {

using testing_kernel::FromEigen;
using testing_kernel::ToEigen;

EigenResult Diagonalise(const Eigen::MatrixXd& a) {
  return Jacobi(FromEigen(a), static_cast<int>(a.rows()));
}

Eigen::MatrixXd RandomSymmetric(std::mt19937_64& rng, int n, double scale) {
  const Eigen::MatrixXd b = testing_kernel::RandomMatrix(rng, n, n);
  return (b + b.transpose()) * scale;
}

class JacobiAgainstEigen : public ::testing::TestWithParam<int> {};

TEST_P(JacobiAgainstEigen, ReconstructsWithOrthogonalVectorsAndEigensValues) {
  const int n = GetParam();
  std::mt19937_64 rng(300 + n);
  const Eigen::MatrixXd a = RandomSymmetric(rng, n, 1.0);
  const EigenResult k = Diagonalise(a);
  const Eigen::MatrixXd v = ToEigen(k.vectors, n, n);
  Eigen::VectorXd values(n);
  for (int i = 0; i < n; ++i) values(i) = k.values(i + 1);
  EXPECT_LE((v * values.asDiagonal() * v.transpose() - a).cwiseAbs().maxCoeff(), 1e-6);
  EXPECT_LE((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-13 * n);
  Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(a);
  std::vector<double> sorted(values.data(), values.data() + n);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < n; ++i) EXPECT_NEAR(sorted[i], solver.eigenvalues()(i), 1e-6) << i;
  EXPECT_LE(k.offDiagonalSum, 1e-5);
  EXPECT_GE(k.sweeps, 1);
  EXPECT_LT(k.sweeps, kEigenMaxSweeps);
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstEigen, ::testing::Values(2, 3, 10, 50, 150));

// One off-diagonal sum per sweep instead of one per rotation must not change
// a single bit of what the routine leaves.
TEST(Jacobi, ReproducesThePlainAlgorithmBitForBit) {
  std::mt19937_64 rng(41);
  for (int n : {1, 2, 4, 9, 14}) {
    Eigen::MatrixXd a = RandomSymmetric(rng, n, 3.0);
    testing_kernel::Sparsify(rng, a, 0.4, true);
    const EigenResult k = Diagonalise(a);
    const literal::Eigen plain = literal::Jacobi(FromEigen(a), n, kEigenMaxSweeps);
    EXPECT_EQ(testing_kernel::BitDifferences(k.vectors, plain.vectors, n, n), 0) << n;
    for (int i = 1; i <= n; ++i)
      EXPECT_TRUE(testing_kernel::SameBits(k.values(i), plain.values(i, 1))) << n << " " << i;
    EXPECT_EQ(k.sweeps, plain.sweeps);
    EXPECT_TRUE(testing_kernel::SameBits(k.offDiagonalSum, plain.off_sum));
  }
}

// Small matrices with known eigenvalues: a diagonal one (left as it is,
// after one sweep with no rotation), a 2 x 2 one in the diagonal order, and a
// singular one whose rows sum to zero, like a free network's.
TEST(Jacobi, SmallMatricesGiveTheirKnownEigenvalues) {
  const double r5 = std::sqrt(5.0);
  const struct {
    std::vector<double> a, values;
    bool inDiagonalOrder;  // otherwise sorted ascending
  } cases[] = {{{3, 0, 0, 0, -1, 0, 0, 0, 2}, {3, -1, 2}, true},
               {{2, 1, 1, 1}, {(3 + r5) / 2, (3 - r5) / 2}, true},
               {{2, -1, -1, -1, 2, -1, -1, -1, 2}, {0, 3, 3}, false}};
  for (const auto& c : cases) {
    const int n = static_cast<int>(c.values.size());
    const EigenResult k = Diagonalise(Eigen::Map<const Eigen::MatrixXd>(c.a.data(), n, n));
    std::vector<double> got(k.values.Data() + 1, k.values.Data() + n + 1);
    if (!c.inDiagonalOrder) std::sort(got.begin(), got.end());
    for (int i = 0; i < n; ++i) EXPECT_NEAR(got[i], c.values[i], 1e-14) << n << " " << i;
    EXPECT_LE(k.offDiagonalSum, 1e-15);
  }
  const EigenResult diagonal = Diagonalise(Eigen::Vector3d(3, -1, 2).asDiagonal().toDenseMatrix());
  EXPECT_EQ(diagonal.sweeps, 1);
  EXPECT_EQ(ToEigen(diagonal.vectors, 3, 3), Eigen::MatrixXd::Identity(3, 3));
}

// A tiny coupling beside a larger later diagonal element (t cancels to 0),
// and one far below huge diagonal elements (t overflows): the rotation is
// still made, here turning the pair nearly a quarter turn.
TEST(Jacobi, TinyCouplingsStillRotate) {
  for (const auto& [low, high, coupling] :
       {std::tuple{1.0, 2.0, 1e-9}, std::tuple{-1e150, 1e150, 1e-160},
        std::tuple{3e150, 1e150, -1e-170}}) {
    Eigen::MatrixXd a(2, 2);
    a << low, coupling, coupling, high;
    const EigenResult k = Diagonalise(a);
    std::vector<double> sorted{k.values(1), k.values(2)};
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NEAR(sorted[0], std::min(low, high), 1e-15 * std::fabs(low));
    EXPECT_NEAR(sorted[1], std::max(low, high), 1e-15 * std::fabs(high));
    const Eigen::MatrixXd v = ToEigen(k.vectors, 2, 2);
    EXPECT_LE((v.transpose() * v - Eigen::MatrixXd::Identity(2, 2)).cwiseAbs().maxCoeff(), 1e-15);
    EXPECT_LE(std::fabs(v(0, 0) * v(0, 1) * (low - high)), 1e-6 * std::fabs(low) + 1e-14);
  }
}

// Rounding at 1e150 keeps the off-diagonal sum far above the absolute bound:
// the sweep limit ends the iteration and reports where it stopped.
TEST(Jacobi, HugeEntriesStopAtTheSweepLimit) {
  std::mt19937_64 rng(43);
  const Eigen::MatrixXd a = RandomSymmetric(rng, 6, 1e150);
  const EigenResult k = Diagonalise(a);
  EXPECT_EQ(k.sweeps, kEigenMaxSweeps);
  EXPECT_GT(k.offDiagonalSum, 1e-5);
  Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(a);
  std::vector<double> sorted(k.values.Data() + 1, k.values.Data() + 7);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(sorted[i] / 1e150, solver.eigenvalues()(i) / 1e150, 1e-12);
}

}  // namespace
}  // namespace ombrel
