#include "numeric/product.h"

#include <gtest/gtest.h>

#include "kernel_test_support.h"
#include "literal_kernel.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

using testing_kernel::FromEigen;
using testing_kernel::ToEigen;

KernelState ProductOf(const Matrix& left, const Matrix& right, int rows, int inner, int cols) {
  KernelState k;
  k.ProdLeft = left;
  k.ProdRight = right;
  k.ProdRows = rows;
  k.ProdLeftCols = inner;
  k.ProdInner = inner;
  k.ProdCols = cols;
  MultiplyMatrices(k);
  return k;
}

TEST(MultiplyMatrices, AgreesWithEigenAndWithThePlainSumOrder) {
  std::mt19937_64 rng(3);
  for (int n : {1, 2, 3, 10, 50, 150}) {
    const int rows = n, inner = n + 3, cols = n + 1;
    Eigen::MatrixXd l = testing_kernel::RandomMatrix(rng, rows, inner);
    const Eigen::MatrixXd r = testing_kernel::RandomMatrix(rng, inner, cols);
    testing_kernel::Sparsify(rng, l, 0.3, false);
    const KernelState k = ProductOf(FromEigen(l), FromEigen(r), rows, inner, cols);
    ASSERT_EQ(k.Product.Rows(), rows);
    ASSERT_EQ(k.Product.Cols(), cols);
    const Eigen::MatrixXd expected = l * r;
    EXPECT_LE((ToEigen(k.Product, rows, cols) - expected).cwiseAbs().maxCoeff(), 1e-13 * inner);
    const Matrix plain = literal::Product(FromEigen(l), FromEigen(r), rows, inner, cols);
    EXPECT_EQ(testing_kernel::BitDifferences(k.Product, plain, rows, cols), 0) << n;
  }
}

TEST(MultiplyMatrices, EmptyInnerDimensionGivesZerosOfTheRequestedSize) {
  KernelState k;
  k.Product.Redim(1, 1);
  k.Product(1, 1) = 5.0;
  k.ProdRows = 2;
  k.ProdCols = 3;
  k.ProdInner = 0;
  MultiplyMatrices(k);
  EXPECT_EQ(k.Product, Matrix(2, 3));
}

TEST(MultiplyMatrices, OverflowAndShortOperandsFail) {
  const Matrix big = testing_kernel::MatrixOf({{1e300, 1e300}});
  const Matrix column = testing_kernel::MatrixOf({{1e10}, {-1.0}});
  EXPECT_THROW(ProductOf(big, column, 1, 2, 1), ArithmeticFault);
  EXPECT_THROW(ProductOf(big, column, 2, 2, 1), SubscriptOutOfRange);
}

}  // namespace
}  // namespace ombrel
