#include "numeric/product.h"

#include <gtest/gtest.h>

#include "kernel_test_support.h"
#include "literal_kernel.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

using testing_kernel::FromEigen;
using testing_kernel::ToEigen;

TEST(MatrixProduct, AgreesWithEigenAndWithThePlainSumOrder) {
  std::mt19937_64 rng(3);
  for (int n : {1, 2, 3, 10, 50, 150}) {
    const int rows = n, inner = n + 3, cols = n + 1;
    Eigen::MatrixXd l = testing_kernel::RandomMatrix(rng, rows, inner);
    const Eigen::MatrixXd r = testing_kernel::RandomMatrix(rng, inner, cols);
    testing_kernel::Sparsify(rng, l, 0.3, false);
    const Matrix product = MatrixProduct(FromEigen(l), FromEigen(r), rows, inner, cols);
    ASSERT_EQ(product.Rows(), rows);
    ASSERT_EQ(product.Cols(), cols);
    const Eigen::MatrixXd expected = l * r;
    EXPECT_LE((ToEigen(product, rows, cols) - expected).cwiseAbs().maxCoeff(), 1e-13 * inner);
    const Matrix plain = literal::Product(FromEigen(l), FromEigen(r), rows, inner, cols);
    EXPECT_EQ(testing_kernel::BitDifferences(product, plain, rows, cols), 0) << n;
  }
}

TEST(MatrixProduct, EmptyInnerDimensionGivesZerosOfTheRequestedSize) {
  EXPECT_EQ(MatrixProduct(Matrix(), Matrix(), 2, 0, 3), Matrix(2, 3));
}

TEST(MatrixProduct, OverflowAndShortOperandsFail) {
  const Matrix big = testing_kernel::MatrixOf({{1e300, 1e300}});
  const Matrix column = testing_kernel::MatrixOf({{1e10}, {-1.0}});
  EXPECT_THROW(MatrixProduct(big, column, 1, 2, 1), ArithmeticFault);
  EXPECT_THROW(MatrixProduct(big, column, 2, 2, 1), SubscriptOutOfRange);
}

}  // namespace
}  // namespace ombrel
