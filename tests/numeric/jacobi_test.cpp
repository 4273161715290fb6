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

KernelState Diagonalise(const Eigen::MatrixXd& a) {
  const int n = static_cast<int>(a.rows());
  KernelState k;
  k.InvInput = FromEigen(a);
  k.InvResult.Redim(n, n);
  k.EigenValues.Redim(n);
  EigenSymmetric(k, n);
  EXPECT_EQ(k.InvInput, FromEigen(a));
  return k;
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
  const KernelState k = Diagonalise(a);
  const Eigen::MatrixXd v = ToEigen(k.InvResult, n, n);
  Eigen::VectorXd values(n);
  for (int i = 0; i < n; ++i) values(i) = k.EigenValues(i + 1);
  EXPECT_LE((v * values.asDiagonal() * v.transpose() - a).cwiseAbs().maxCoeff(), 1e-6);
  EXPECT_LE((v.transpose() * v - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-13 * n);
  Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(a);
  std::vector<double> sorted(values.data(), values.data() + n);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < n; ++i) EXPECT_NEAR(sorted[i], solver.eigenvalues()(i), 1e-6) << i;
  EXPECT_LE(k.EigenOffSum, 1e-5);
  EXPECT_GE(k.EigenSweeps, 1);
  EXPECT_LT(k.EigenSweeps, kEigenMaxSweeps);
}

INSTANTIATE_TEST_SUITE_P(Orders, JacobiAgainstEigen, ::testing::Values(2, 3, 10, 50, 150));

// One off-diagonal sum per sweep instead of one per rotation must not change
// a single bit of what the routine leaves.
TEST(EigenSymmetric, ReproducesThePlainAlgorithmBitForBit) {
  std::mt19937_64 rng(41);
  for (int n : {1, 2, 4, 9, 14}) {
    Eigen::MatrixXd a = RandomSymmetric(rng, n, 3.0);
    testing_kernel::Sparsify(rng, a, 0.4, true);
    const KernelState k = Diagonalise(a);
    const literal::Eigen plain = literal::Jacobi(FromEigen(a), n, kEigenMaxSweeps);
    EXPECT_EQ(testing_kernel::BitDifferences(k.InvResult, plain.vectors, n, n), 0) << n;
    for (int i = 1; i <= n; ++i)
      EXPECT_TRUE(testing_kernel::SameBits(k.EigenValues(i), plain.values(i, 1))) << n << " " << i;
    EXPECT_EQ(k.EigenSweeps, plain.sweeps);
    EXPECT_TRUE(testing_kernel::SameBits(k.EigenOffSum, plain.off_sum));
  }
}

// Small matrices with known eigenvalues: a diagonal one (left as it is,
// after one sweep with no rotation), a 2 x 2 one in the diagonal order, and a
// singular one whose rows sum to zero, like a free network's.
TEST(EigenSymmetric, SmallMatricesGiveTheirKnownEigenvalues) {
  const double r5 = std::sqrt(5.0);
  const struct {
    std::vector<double> a, values;
    bool inDiagonalOrder;  // otherwise sorted ascending
  } cases[] = {{{3, 0, 0, 0, -1, 0, 0, 0, 2}, {3, -1, 2}, true},
               {{2, 1, 1, 1}, {(3 + r5) / 2, (3 - r5) / 2}, true},
               {{2, -1, -1, -1, 2, -1, -1, -1, 2}, {0, 3, 3}, false}};
  for (const auto& c : cases) {
    const int n = static_cast<int>(c.values.size());
    const KernelState k = Diagonalise(Eigen::Map<const Eigen::MatrixXd>(c.a.data(), n, n));
    std::vector<double> got(k.EigenValues.Data() + 1, k.EigenValues.Data() + n + 1);
    if (!c.inDiagonalOrder) std::sort(got.begin(), got.end());
    for (int i = 0; i < n; ++i) EXPECT_NEAR(got[i], c.values[i], 1e-14) << n << " " << i;
    EXPECT_LE(k.EigenOffSum, 1e-15);
  }
  const KernelState diagonal = Diagonalise(Eigen::Vector3d(3, -1, 2).asDiagonal().toDenseMatrix());
  EXPECT_EQ(diagonal.EigenSweeps, 1);
  EXPECT_EQ(ToEigen(diagonal.InvResult, 3, 3), Eigen::MatrixXd::Identity(3, 3));
}

// A tiny coupling beside a larger later diagonal element (t cancels to 0),
// and one far below huge diagonal elements (t overflows): the rotation is
// still made, here turning the pair nearly a quarter turn.
TEST(EigenSymmetric, TinyCouplingsStillRotate) {
  for (const auto& [low, high, coupling] :
       {std::tuple{1.0, 2.0, 1e-9}, std::tuple{-1e150, 1e150, 1e-160},
        std::tuple{3e150, 1e150, -1e-170}}) {
    Eigen::MatrixXd a(2, 2);
    a << low, coupling, coupling, high;
    const KernelState k = Diagonalise(a);
    std::vector<double> sorted{k.EigenValues(1), k.EigenValues(2)};
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NEAR(sorted[0], std::min(low, high), 1e-15 * std::fabs(low));
    EXPECT_NEAR(sorted[1], std::max(low, high), 1e-15 * std::fabs(high));
    const Eigen::MatrixXd v = ToEigen(k.InvResult, 2, 2);
    EXPECT_LE((v.transpose() * v - Eigen::MatrixXd::Identity(2, 2)).cwiseAbs().maxCoeff(), 1e-15);
    EXPECT_LE(std::fabs(v(0, 0) * v(0, 1) * (low - high)), 1e-6 * std::fabs(low) + 1e-14);
  }
}

// Rounding at 1e150 keeps the off-diagonal sum far above the absolute bound:
// the sweep limit ends the iteration and reports where it stopped.
TEST(EigenSymmetric, HugeEntriesStopAtTheSweepLimit) {
  std::mt19937_64 rng(43);
  const Eigen::MatrixXd a = RandomSymmetric(rng, 6, 1e150);
  const KernelState k = Diagonalise(a);
  EXPECT_EQ(k.EigenSweeps, kEigenMaxSweeps);
  EXPECT_GT(k.EigenOffSum, 1e-5);
  Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(a);
  std::vector<double> sorted(k.EigenValues.Data() + 1, k.EigenValues.Data() + 7);
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(sorted[i] / 1e150, solver.eigenvalues()(i) / 1e150, 1e-12);
}

}  // namespace
}  // namespace ombrel
