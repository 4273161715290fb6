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

using Method = InversionMethod;
constexpr Method kMethods[] = {Method::GaussJordan, Method::LU, Method::Cholesky};

// Inverts with the given method, checking that the input does not change.
Matrix Invert(Method method, const Matrix& input, int n) {
  const Matrix before = input;
  Matrix inverse = ombrel::Invert(input, n, method);
  EXPECT_EQ(input, before) << "the input must not change";
  return inverse;
}

class InversionAgainstEigen : public ::testing::TestWithParam<int> {};

// Every method on well-conditioned general (Cholesky: positive definite)
// matrices agrees with Eigen within a bound proportional to the condition.
TEST_P(InversionAgainstEigen, AgreesWithinConditionScaledTolerance) {
  const int n = GetParam();
  std::mt19937_64 rng(1000 + n);
  const Eigen::MatrixXd general = testing_kernel::RandomGeneral(rng, n);
  const Eigen::MatrixXd spd = testing_kernel::RandomSpd(rng, n);
  for (Method method : kMethods) {
    const Eigen::MatrixXd& e = method == Method::Cholesky ? spd : general;
    const Eigen::MatrixXd expected = e.inverse();
    const Eigen::MatrixXd got = ToEigen(Invert(method, FromEigen(e), n), n, n);
    const double tol = 50.0 * n * testing_kernel::Condition(e) *
                       std::numeric_limits<double>::epsilon() * expected.cwiseAbs().maxCoeff();
    EXPECT_LE((got - expected).cwiseAbs().maxCoeff(), tol) << "method " << int(method);
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
      EXPECT_EQ(BitDifferences(Invert(Method::GaussJordan, a, n), literal::GaussJordan(a, n), n, n),
                0)
          << "Gauss-Jordan n=" << n << " share=" << share;
      EXPECT_EQ(BitDifferences(Invert(Method::LU, a, n), literal::Lu(a, n), n, n), 0)
          << "LU n=" << n << " share=" << share;
      EXPECT_EQ(BitDifferences(Invert(Method::Cholesky, s, n), literal::Cholesky(s, n), n, n), 0)
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
      EXPECT_THROW(Invert(Method::GaussJordan, a, n), SingularMatrix);
      continue;
    }
    bool has_zero_pivot_start = false;
    for (int i = 1; i <= n; ++i) has_zero_pivot_start |= a(i, i) == 0.0;
    repaired += has_zero_pivot_start;
    EXPECT_EQ(BitDifferences(Invert(Method::GaussJordan, a, n), expected, n, n), 0)
        << "trial " << trial;
  }
  EXPECT_GT(repaired, 50);
}

TEST(GaussJordan, UnrepairableZeroPivotRaisesSingularMatrix) {
  Matrix a = MatrixOf({{1, 2}, {2, 4}});
  try {
    Invert(Method::GaussJordan, a, 2);
    FAIL() << "no exception";
  } catch (const SingularMatrix& e) {
    EXPECT_STREQ(e.what(), "Matriz singular");
  }
  // The process carries on: the next inversion works.
  a(2, 2) = 5.0;
  const Matrix inverse = Invert(Method::GaussJordan, a, 2);
  EXPECT_EQ(inverse(1, 1), 5.0);
  EXPECT_EQ(inverse(2, 1), -2.0);
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
    Method method;
    Matrix a;
    std::optional<Kind> kind;  // none: any arithmetic fault
  } cases[] = {
      {"rounding-singular", Method::GaussJordan, singular, Kind::DivisionByZero},
      {"rounding-singular", Method::LU, singular, Kind::DivisionByZero},
      {"rounding-singular", Method::Cholesky, singular, Kind::DivisionByZero},
      {"zero corner", Method::LU, MatrixOf({{0, 1}, {3, 1}}), Kind::DivisionByZero},
      {"singular", Method::LU, MatrixOf({{1, 2}, {2, 4}}), std::nullopt},
      {"indefinite", Method::Cholesky, MatrixOf({{1, 2}, {2, 1}}), Kind::InvalidOperation},
      {"semidefinite", Method::Cholesky, MatrixOf({{0, 0}, {0, 1}}), std::nullopt},
      // 1e308 + 1e308 in the second pivot
      {"overflow", Method::GaussJordan, MatrixOf({{1e308, 1e308}, {-1e308, 1e308}}),
       Kind::Overflow},
      {"overflow", Method::LU, MatrixOf({{1e308, 1e308}, {-1e308, 1e308}}), Kind::Overflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", method " + std::to_string(int(c.method)));
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

// Only the leading n x n block of a larger operand is read, whatever lies
// beyond it; the inverse is n x n with row and column 0 zero.
TEST(Inversion, ReadsOnlyTheLeadingBlock) {
  std::mt19937_64 rng(5);
  const Matrix a = FromEigen(testing_kernel::RandomGeneral(rng, 4));
  Matrix larger(6, 6);
  for (int r = 0; r <= 6; ++r)
    for (int c = 0; c <= 6; ++c)
      larger(r, c) = r >= 1 && r <= 4 && c >= 1 && c <= 4 ? a(r, c) : 9.0;
  for (Method method : {Method::GaussJordan, Method::LU}) {
    const Matrix inverse = Invert(method, larger, 4);
    EXPECT_EQ(inverse, Invert(method, a, 4)) << int(method);
    EXPECT_EQ(inverse.Rows(), 4);
    EXPECT_EQ(inverse.Cols(), 4);
  }
  EXPECT_EQ(Invert(Method::GaussJordan, a, 4), literal::GaussJordan(a, 4));
}

TEST(Inversion, OperandsTooSmallForTheOrderAreRejected) {
  const Matrix a(3, 3);
  EXPECT_THROW(Invert(Method::GaussJordan, a, 4), SubscriptOutOfRange);
  EXPECT_THROW(Invert(Method::LU, a, 40000), ArithmeticFault);
}

}  // namespace
}  // namespace ombrel
