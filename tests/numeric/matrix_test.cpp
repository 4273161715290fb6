#include "numeric/matrix.h"

#include <gtest/gtest.h>

#include <limits>

#include "numeric/checked.h"

namespace ombrel {
namespace {

TEST(Matrix, RedimZeroFillsAndKeepsRowAndColumnZero) {
  Matrix m(2, 3);
  m(2, 3) = 5.0;
  m(0, 0) = 1.0;  // element 0 exists but carries no data
  m.Redim(3, 2);
  EXPECT_EQ(m.Rows(), 3);
  EXPECT_EQ(m.Cols(), 2);
  for (int r = 0; r <= 3; ++r)
    for (int c = 0; c <= 2; ++c) EXPECT_EQ(m(r, c), 0.0);
}

TEST(Matrix, SubscriptOutsideDimensionsThrows) {
  Matrix m(2, 3);
  EXPECT_THROW(m(3, 1), SubscriptOutOfRange);
  EXPECT_THROW(m(1, 4), SubscriptOutOfRange);
  EXPECT_THROW(m(-1, 1), SubscriptOutOfRange);
  EXPECT_NO_THROW(m(2, 3));
  IntVector v(4);
  EXPECT_THROW(v(5), SubscriptOutOfRange);
  EXPECT_EQ(v(4), 0);
}

TEST(Matrix, DimensionsBeyondSixteenBitsOverflow) {
  Matrix m;
  EXPECT_THROW(m.Redim(32768, 1), ArithmeticFault);
  EXPECT_THROW(m.Redim(-1, 1), SubscriptOutOfRange);
}

TEST(Checked, FaultsRaiseAtTheOperation) {
  EXPECT_THROW(Div(1.0, 0.0), ArithmeticFault);
  try {
    Div(0.0, 0.0);
    FAIL();
  } catch (const ArithmeticFault& f) {
    EXPECT_EQ(f.kind(), ArithmeticFault::Kind::InvalidOperation);
  }
  EXPECT_THROW(Sqrt(-1e-300), ArithmeticFault);
  EXPECT_EQ(Sqrt(0.0), 0.0);
  EXPECT_THROW(Mul(1e200, 1e200), ArithmeticFault);
  EXPECT_THROW(Checked(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
  EXPECT_THROW(Log(0.0), ArithmeticFault);
  EXPECT_DOUBLE_EQ(Div(1.0, 4.0), 0.25);
}

TEST(Checked, IntegerConversionRoundsHalfToEvenWithinSixteenBits) {
  EXPECT_EQ(ToInteger(2.5), 2);
  EXPECT_EQ(ToInteger(3.5), 4);
  EXPECT_EQ(ToInteger(-2.5), -2);
  EXPECT_EQ(ToInteger(32767.4), 32767);
  EXPECT_THROW(ToInteger(32767.5), ArithmeticFault);
  EXPECT_THROW(ToInteger(-32769.0), ArithmeticFault);
  EXPECT_THROW(CheckedCount(40000), ArithmeticFault);
}

}  // namespace
}  // namespace ombrel
