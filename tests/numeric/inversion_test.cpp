#include "numeric/inversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "kernel_test_support.h"
#include "literal_kernel.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

using testing_kernel::BitDifferences;
using testing_kernel::FromEigen;
using testing_kernel::MatrixOf;
using testing_kernel::ToEigen;

constexpr int kMethods[] = {kInversionGauss, kInversionLU, kInversionCholesky};

// Inverts e with the given method through the shared operands, the way
// callers do: fill InvInput, size InvResult, call.
Matrix Invert(int method, const Matrix& input, int n) {
  KernelState k;
  k.InversionMethod = method;
  k.InvInput = input;
  k.InvResult.Redim(n, n);
  InvertMatrix(k, n);
  EXPECT_EQ(k.InvInput, input) << "the input must not change";
  return k.InvResult;
}

class InversionAgainstEigen : public ::testing::TestWithParam<int> {};

// Every method on well-conditioned general (Cholesky: positive definite)
// matrices agrees with Eigen within a bound proportional to the condition.
TEST_P(InversionAgainstEigen, AgreesWithinConditionScaledTolerance) {
  const int n = GetParam();
  std::mt19937_64 rng(1000 + n);
  const Eigen::MatrixXd general = testing_kernel::RandomGeneral(rng, n);
  const Eigen::MatrixXd spd = testing_kernel::RandomSpd(rng, n);
  for (int method : kMethods) {
    const Eigen::MatrixXd& e = method == kInversionCholesky ? spd : general;
    const Eigen::MatrixXd expected = e.inverse();
    const Eigen::MatrixXd got = ToEigen(Invert(method, FromEigen(e), n), n, n);
    const double tol = 50.0 * n * testing_kernel::Condition(e) *
                       std::numeric_limits<double>::epsilon() * expected.cwiseAbs().maxCoeff();
    EXPECT_LE((got - expected).cwiseAbs().maxCoeff(), tol) << "method " << method;
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, InversionAgainstEigen, ::testing::Values(1, 2, 3, 10, 50, 150));

// The fast loop nests must leave exactly the bits of the plain algorithms,
// signs of zeros included, also on sparse matrices with negative pivots.
TEST(Inversion, ReproducesThePlainAlgorithmsBitForBit) {
  std::mt19937_64 rng(7);
  for (int n : {1, 2, 5, 17, 40}) {
    for (double share : {0.0, 0.6, 0.9}) {
      Eigen::MatrixXd general = testing_kernel::RandomGeneral(rng, n);
      Eigen::MatrixXd spd = testing_kernel::RandomSpd(rng, n);
      testing_kernel::Sparsify(rng, general, share, false);
      // A sparse symmetric matrix that stays positive definite.
      Eigen::MatrixXd sparse_spd = spd;
      testing_kernel::Sparsify(rng, sparse_spd, share, true);
      sparse_spd.diagonal().array() += sparse_spd.cwiseAbs().rowwise().sum().array();
      const Matrix a = FromEigen(general);
      const Matrix s = FromEigen(share == 0.0 ? spd : sparse_spd);
      EXPECT_EQ(BitDifferences(Invert(kInversionGauss, a, n), literal::GaussJordan(a, n), n, n), 0)
          << "Gauss-Jordan n=" << n << " share=" << share;
      EXPECT_EQ(BitDifferences(Invert(kInversionLU, a, n), literal::Lu(a, n), n, n), 0)
          << "LU n=" << n << " share=" << share;
      EXPECT_EQ(BitDifferences(Invert(kInversionCholesky, s, n), literal::Cholesky(s, n), n, n), 0)
          << "Cholesky n=" << n << " share=" << share;
    }
  }
}

// Zero pivots that rows below repair, at several places, on small integer
// matrices: the repair path and the zeros it produces match the plain
// algorithm exactly.
TEST(GaussJordan, RepairedPivotsMatchThePlainAlgorithm) {
  std::mt19937_64 rng(11);
  std::uniform_int_distribution<int> digit(-2, 2);
  int repaired = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 2 + trial % 6;
    Matrix a(n, n);
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) a(r, c) = digit(rng);
    bool singular = false;
    Matrix expected;
    try {
      expected = literal::GaussJordan(a, n);
    } catch (const SingularMatrix&) {
      singular = true;
    } catch (const ArithmeticFault&) {
      continue;  // overflow after a near cancellation: not what this test is about
    }
    if (singular) {
      EXPECT_THROW(Invert(kInversionGauss, a, n), SingularMatrix);
      continue;
    }
    bool has_zero_pivot_start = false;
    for (int i = 1; i <= n; ++i) has_zero_pivot_start |= a(i, i) == 0.0;
    repaired += has_zero_pivot_start;
    EXPECT_EQ(BitDifferences(Invert(kInversionGauss, a, n), expected, n, n), 0)
        << "trial " << trial;
  }
  EXPECT_GT(repaired, 50);
}

TEST(GaussJordan, UnrepairableZeroPivotRaisesSingularMatrixAndTouchesNothing) {
  KernelState k;
  k.InvInput = MatrixOf({{1, 2}, {2, 4}});
  const Matrix input = k.InvInput;
  k.InvResult.Redim(3, 3);
  k.InvResult(2, 2) = 7.0;  // stale content stays as it was
  const Matrix before = k.InvResult;
  try {
    InvertMatrix(k, 2);
    FAIL() << "no exception";
  } catch (const SingularMatrix& e) {
    EXPECT_STREQ(e.what(), "Matriz singular");
  }
  EXPECT_EQ(k.InvResult, before);
  EXPECT_EQ(k.InvInput, input);
  // The process carries on: the next inversion works.
  k.InvInput(2, 2) = 5.0;
  InvertMatrix(k, 2);
  EXPECT_EQ(k.InvResult(1, 1), 5.0);
  EXPECT_EQ(k.InvResult(2, 1), -2.0);
}

// A^t A for a random A (5 x 4) whose last column is the sum of the others:
// singular, but rounding leaves its last pivot a little off zero.
Matrix RoundingSingularNormalMatrix() {
  std::mt19937_64 rng(3);
  Eigen::MatrixXd a = testing_kernel::RandomMatrix(rng, 5, 4);
  a.col(3) = a.col(0) + a.col(1) + a.col(2);
  return FromEigen(a.transpose() * a);
}

// Only Gauss-Jordan reports SingularMatrix, for an exactly zero pivot that
// no row repairs; a pivot negligible at rounding level is a division by zero
// in every method, and other failures come from the arithmetic; overflow is
// a fault, not an infinity.
TEST(Inversion, ArithmeticFailuresAreFaultsOfTheirKind) {
  using Kind = ArithmeticFault::Kind;
  const Matrix singular = RoundingSingularNormalMatrix();
  const struct {
    const char* what;
    int method;
    Matrix a;
    std::optional<Kind> kind;  // none: any arithmetic fault
  } cases[] = {
      {"rounding-singular", kInversionGauss, singular, Kind::DivisionByZero},
      {"rounding-singular", kInversionLU, singular, Kind::DivisionByZero},
      {"rounding-singular", kInversionCholesky, singular, Kind::DivisionByZero},
      {"zero corner", kInversionLU, MatrixOf({{0, 1}, {3, 1}}), Kind::DivisionByZero},
      {"singular", kInversionLU, MatrixOf({{1, 2}, {2, 4}}), std::nullopt},
      {"indefinite", kInversionCholesky, MatrixOf({{1, 2}, {2, 1}}), Kind::InvalidOperation},
      {"semidefinite", kInversionCholesky, MatrixOf({{0, 0}, {0, 1}}), std::nullopt},
      // 1e308 + 1e308 in the second pivot
      {"overflow", kInversionGauss, MatrixOf({{1e308, 1e308}, {-1e308, 1e308}}), Kind::Overflow},
      {"overflow", kInversionLU, MatrixOf({{1e308, 1e308}, {-1e308, 1e308}}), Kind::Overflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", method " + std::to_string(c.method));
    try {
      Invert(c.method, c.a, c.a.Rows());
      ADD_FAILURE() << "no exception";
    } catch (const ArithmeticFault& e) {
      if (c.kind) {
        EXPECT_EQ(e.kind(), *c.kind);
      }
    }
  }
}

// The result is written only in 1..n x 1..n of a larger InvResult, and any
// InversionMethod other than 1 or 2 means Gauss-Jordan.
TEST(Inversion, WritesOnlyTheLeadingBlockAndDefaultsToGaussJordan) {
  std::mt19937_64 rng(5);
  const Matrix a = FromEigen(testing_kernel::RandomGeneral(rng, 4));
  KernelState k;
  k.InvInput = a;
  k.InvResult.Redim(6, 6);
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 6; ++c) k.InvResult(r, c) = 9.0;
  k.InversionMethod = 7;
  InvertMatrix(k, 4);
  const Matrix expected = literal::GaussJordan(a, 4);
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 6; ++c) {
      if (r >= 1 && r <= 4 && c >= 1 && c <= 4)
        EXPECT_EQ(k.InvResult(r, c), expected(r, c));
      else
        EXPECT_EQ(k.InvResult(r, c), 9.0) << r << "," << c;
    }
}

TEST(Inversion, OperandsTooSmallForTheOrderAreRejected) {
  KernelState k;
  k.InvInput.Redim(3, 3);
  k.InvResult.Redim(2, 2);
  EXPECT_THROW(InvertMatrix(k, 3), SubscriptOutOfRange);
  EXPECT_THROW(InvertMatrix(k, 40000), ArithmeticFault);
}

}  // namespace
}  // namespace ombrel
