#include "numeric/svd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "kernel_test_support.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

using testing_kernel::FromEigen;
using testing_kernel::ToEigen;

// Decomposes a with the default tolerances but em2 and em6.
SvdResult Decompose(const Eigen::MatrixXd& a, double em2 = 1e-12, double em6 = 1e-10) {
  SvdTolerances t;
  t.relativePrecision = em2;
  t.smallestSingularValue = em6;
  return Pseudoinverse(FromEigen(a), static_cast<int>(a.rows()), static_cast<int>(a.cols()), t);
}

std::vector<double> Sorted(const Vector& v) {
  std::vector<double> s(v.Data() + 1, v.Data() + v.Size() + 1);
  std::sort(s.rbegin(), s.rend());
  return s;
}

Eigen::MatrixXd RankDeficient(std::mt19937_64& rng, int m, int n, int rank) {
  return testing_kernel::RandomMatrix(rng, m, rank) * testing_kernel::RandomMatrix(rng, rank, n);
}

struct Shape {
  int m, n, rank;
};

class SvdAgainstEigen : public ::testing::TestWithParam<Shape> {};

// Singular values, the four Moore-Penrose conditions, the pseudoinverse of a
// complete orthogonal decomposition, the rank and the orthogonality of V.
TEST_P(SvdAgainstEigen, MatchesTheIndependentDecompositions) {
  const Shape shape = GetParam();
  std::mt19937_64 rng(100 * shape.m + shape.n + shape.rank);
  const Eigen::MatrixXd a = shape.rank < shape.n
                                ? RankDeficient(rng, shape.m, shape.n, shape.rank)
                                : testing_kernel::RandomMatrix(rng, shape.m, shape.n);
  const SvdResult d = Decompose(a);
  ASSERT_EQ(d.notFound, 0);
  EXPECT_LE(d.iterations, 80 * shape.n);
  EXPECT_DOUBLE_EQ(d.norm, a.cwiseAbs().rowwise().sum().maxCoeff());

  Eigen::JacobiSVD<Eigen::MatrixXd> svd(a);
  const std::vector<double> ours = Sorted(d.singularValues);
  const double scale = svd.singularValues()(0);
  for (int i = 0; i < shape.n; ++i) {
    EXPECT_NEAR(ours[i], svd.singularValues()(i), 1e-12 * scale * shape.m) << i;
    EXPECT_GE(ours[i], 0.0);
  }
  int above = 0;
  for (double s : ours) above += s > 1e-10;
  EXPECT_EQ(d.rank, above);
  EXPECT_EQ(d.rank, shape.rank);

  const Eigen::MatrixXd p = ToEigen(d.pseudoinverse, shape.n, shape.m);
  const double tol = 1e-10 * shape.m;
  EXPECT_LE((a * p * a - a).cwiseAbs().maxCoeff(), tol * a.cwiseAbs().maxCoeff());
  EXPECT_LE((p * a * p - p).cwiseAbs().maxCoeff(), tol * p.cwiseAbs().maxCoeff());
  const Eigen::MatrixXd ap = a * p;
  const Eigen::MatrixXd pa = p * a;
  EXPECT_LE((ap - ap.transpose()).cwiseAbs().maxCoeff(), tol);
  EXPECT_LE((pa - pa.transpose()).cwiseAbs().maxCoeff(), tol);

  Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> cod(a);
  cod.setThreshold(1e-9);
  EXPECT_LE((p - cod.pseudoInverse()).cwiseAbs().maxCoeff(), tol * p.cwiseAbs().maxCoeff());

  const Eigen::MatrixXd v = ToEigen(d.v, shape.n, shape.n);
  EXPECT_LE((v.transpose() * v - Eigen::MatrixXd::Identity(shape.n, shape.n)).cwiseAbs().maxCoeff(),
            1e-12 * shape.n);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SvdAgainstEigen,
                         ::testing::Values(Shape{1, 1, 1}, Shape{2, 2, 2}, Shape{3, 3, 3},
                                           Shape{5, 3, 3}, Shape{10, 10, 10}, Shape{14, 10, 6},
                                           Shape{30, 30, 30}, Shape{45, 30, 30},
                                           Shape{40, 35, 17}));

// The limit of 80 QR iterations holds for each singular value, so a matrix
// of the size of a large network is decomposed completely even though the
// iterations altogether far exceed 80.
TEST(Pseudoinverse, IterationLimitHoldsPerSingularValue) {
  std::mt19937_64 rng(29);
  const Eigen::MatrixXd a = testing_kernel::RandomMatrix(rng, 200, 196);
  const SvdResult d = Decompose(a);
  EXPECT_EQ(d.notFound, 0);
  EXPECT_GT(d.iterations, 80);
  const std::vector<double> ours = Sorted(d.singularValues);
  const Eigen::VectorXd expected = Eigen::JacobiSVD<Eigen::MatrixXd>(a).singularValues();
  for (int i = 0; i < 196; ++i) EXPECT_NEAR(ours[i], expected(i), 1e-10 * expected(0)) << i;
  EXPECT_NE(d.pseudoinverse, Matrix(196, 200));
}

// With full rank the decomposition itself is visible: U as returned with each
// column multiplied back by its singular value gives U diag(s) V^t = A and
// orthonormal columns.
TEST(Pseudoinverse, ScaledLeftVectorsReconstructTheInput) {
  std::mt19937_64 rng(17);
  const Eigen::MatrixXd a = testing_kernel::RandomMatrix(rng, 12, 8);
  const SvdResult d = Decompose(a);
  Eigen::MatrixXd u = ToEigen(d.u, 12, 8);
  Eigen::VectorXd s(8);
  for (int j = 0; j < 8; ++j) {
    s(j) = d.singularValues(j + 1);
    u.col(j) *= s(j);
  }
  const Eigen::MatrixXd v = ToEigen(d.v, 8, 8);
  EXPECT_LE((u * s.asDiagonal() * v.transpose() - a).cwiseAbs().maxCoeff(), 1e-12);
  EXPECT_LE((u.transpose() * u - Eigen::MatrixXd::Identity(8, 8)).cwiseAbs().maxCoeff(), 1e-12);
}

// The decomposition does not depend on the scale of the matrix: a full-rank
// matrix of norm 1e-17, like the normal matrices of the configuration
// design, and one of norm 1e+12 give the scaled pseudoinverse of the
// matrix of norm 1 (with em6 out of the way).
TEST(Pseudoinverse, ScaleOfTheMatrixDoesNotMatter) {
  std::mt19937_64 rng(29);
  const Eigen::MatrixXd a = testing_kernel::RandomMatrix(rng, 5, 3);
  const Eigen::MatrixXd expected = a.completeOrthogonalDecomposition().pseudoInverse();
  for (double scale : {1e-17, 1e12}) {
    SCOPED_TRACE(scale);
    const SvdResult d = Decompose(scale * a, 1e-12, 1e-300);
    ASSERT_EQ(d.notFound, 0);
    EXPECT_EQ(d.rank, 3);
    const Eigen::MatrixXd pinv = ToEigen(d.pseudoinverse, 3, 5) * scale;
    EXPECT_LE((pinv - expected).cwiseAbs().maxCoeff(), 1e-12 * expected.cwiseAbs().maxCoeff());
  }
}

// The smallest singular value not negligible (em6) decides the rank.
TEST(Pseudoinverse, UserThresholdsChangeTheRank) {
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(4, 3);
  a(0, 0) = 5.0;
  a(1, 1) = 0.5;
  a(2, 2) = 1e-3;
  SvdResult d = Decompose(a, 1e-13, 0.1);
  EXPECT_EQ(d.rank, 2);
  const Eigen::MatrixXd p = ToEigen(d.pseudoinverse, 3, 4);
  EXPECT_NEAR(p(0, 0), 0.2, 1e-15);
  EXPECT_NEAR(p(1, 1), 2.0, 1e-14);
  EXPECT_EQ(p(2, 2), 0.0);

  d = Decompose(a, 1e-12, 10.0);  // above every singular value
  EXPECT_EQ(d.rank, 0);
  EXPECT_EQ(ToEigen(d.pseudoinverse, 3, 4).cwiseAbs().maxCoeff(), 0.0);
  EXPECT_EQ(Decompose(a).rank, 3);
}

TEST(Pseudoinverse, AllZeroMatrixIsAnArithmeticFault) {
  try {
    Decompose(Eigen::MatrixXd::Zero(3, 2));
    FAIL() << "no exception";
  } catch (const ArithmeticFault& e) {
    EXPECT_EQ(e.kind(), ArithmeticFault::Kind::InvalidOperation);
  }
  EXPECT_EQ(Decompose(Eigen::MatrixXd::Zero(2, 1)).rank, 0);  // no division for n = 1
}

// Only the leading m x n block of a larger operand is read.
TEST(Pseudoinverse, ReadsOnlyTheLeadingBlock) {
  std::mt19937_64 rng(23);
  const Eigen::MatrixXd a = testing_kernel::RandomMatrix(rng, 4, 3);
  Eigen::MatrixXd larger = Eigen::MatrixXd::Constant(5, 5, 9.0);
  larger.topLeftCorner(4, 3) = a;
  const SvdResult d = Pseudoinverse(FromEigen(larger), 4, 3, SvdTolerances{});
  EXPECT_EQ(d.pseudoinverse, Decompose(a).pseudoinverse);
  EXPECT_EQ(d.rank, 3);
}

#ifndef NDEBUG
TEST(PseudoinverseDeathTest, FewerRowsThanColumnsIsAProgrammingError) {
  EXPECT_DEATH(Pseudoinverse(Matrix(2, 3), 2, 3, SvdTolerances{}), "rows");
}
#endif

}  // namespace
}  // namespace ombrel
