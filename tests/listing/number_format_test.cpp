#include "listing/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "numeric/run_time_error.h"

namespace ombrel {
namespace {

std::string Blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

// Exact halves go away from zero; below a half and exact values stay.
TEST(RoundToDecimals, HalvesAwayFromZeroTheRestToNearest) {
  const struct {
    double value;
    int decimals;
    double rounded;
  } cases[] = {{0.125, 2, 0.13},
               {-0.125, 2, -0.13},
               {2.5, 0, 3.0},
               {-2.5, 0, -3.0},
               {0.5, 0, 1.0},
               {-0.5, 0, -1.0},
               {0.0625, 3, 0.063},
               {-0.0625, 3, -0.063},
               {0.124, 2, 0.12},
               {-0.124, 2, -0.12},
               {1234.0, 3, 1234.0},
               // The largest double below one half: adding 0.5 to it would round up to 1.
               {0.49999999999999994, 0, 0.0},
               // An odd whole number beyond 2^52, where y + 0.5 is a tie that rounds up.
               {4503599627370497.0, 0, 4503599627370497.0},
               {-4503599627370497.0, 0, -4503599627370497.0}};
  for (const auto& c : cases)
    EXPECT_EQ(RoundToDecimals(c.value, c.decimals), c.rounded) << c.value << ", " << c.decimals;
}

TEST(RoundToDecimals, OverflowIsAnArithmeticFault) {
  EXPECT_THROW(RoundToDecimals(1e300, 10), ArithmeticFault);
  EXPECT_THROW(RoundToDecimals(1.0, 400), ArithmeticFault);
  EXPECT_THROW(RoundToDecimals(std::numeric_limits<double>::quiet_NaN(), 2), ArithmeticFault);
}

// The sign's position, no digit before the point, fifteen significant
// digits with carry, and the exponent form for tiny and huge magnitudes.
TEST(GeneralText, SignDigitsAndExponentForm) {
  const std::pair<double, const char*> cases[] = {{0.0, " 0"},
                                                  {-0.0, " 0"},
                                                  {1.0, " 1"},
                                                  {0.5, " .5"},
                                                  {-0.25, "-.25"},
                                                  {-12.75, "-12.75"},
                                                  {1000.0, " 1000"},
                                                  {0.00001, " .00001"},
                                                  {0.1, " .1"},
                                                  {1.0 / 3.0, " .333333333333333"},
                                                  {-2.0 / 3.0, "-.666666666666667"},
                                                  {999999999999999.0, " 999999999999999"},
                                                  {0.9999999999999999, " 1"},
                                                  {99999999999999.99, " 100000000000000"},
                                                  {123456789.123456789, " 123456789.123457"},
                                                  {1.5e-7, " 1.5E-07"},
                                                  {-9.99e-6, "-9.99E-06"},
                                                  {1.5e20, " 1.5E+20"},
                                                  {1e15, " 1E+15"},
                                                  {9.999999999999999e14, " 1E+15"},
                                                  {123456789012345678.0, " 1.23456789012346E+17"},
                                                  {1.5e-300, " 1.5E-300"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(GeneralText(value), text) << value;
  EXPECT_THROW(GeneralText(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
  EXPECT_THROW(GeneralText(-std::numeric_limits<double>::infinity()), ArithmeticFault);
}

TEST(NumericValue, NumberAtTheStartOfTheText) {
  EXPECT_EQ(NumericValue("  -.25"), -0.25);
  EXPECT_EQ(NumericValue("1.5D+02"), 150.0);
  EXPECT_EQ(NumericValue("+12a"), 12.0);
  EXPECT_EQ(NumericValue("1E+x"), 1.0);
  EXPECT_EQ(NumericValue("abc"), 0.0);
  EXPECT_EQ(NumericValue("1e-999"), 0.0);
  EXPECT_THROW(NumericValue("1e999"), ArithmeticFault);
}

// Aligned on the decimal point, rounded to the decimals asked, zero without
// a minus sign, a long integer part pushed right, digits beyond fifteen
// significant written as zeros.
TEST(FormatNumber, AlignsRoundsAndPads) {
  const struct {
    double value;
    int w, d;
    std::string expected;
  } cases[] = {
      // The independent rendering below covers widths up to 12 and up to ten
      // decimals on random values; these are the rules one by one and what
      // lies beyond its range.
      {0.0, 8, 6, Blanks(7) + "0.000000"},
      {-1.5, 8, 6, Blanks(6) + "-1.500000"},
      {12.0, 5, 0, Blanks(3) + "12."},
      {-1.5e-7, 6, 8, Blanks(4) + "-0.00000015"},
      {0.125, 3, 2, Blanks(2) + "0.13"},
      {-2.5, 5, 0, Blanks(3) + "-3."},
      {9.9996, 4, 3, Blanks(2) + "10.000"},
      {-0.0, 8, 3, Blanks(7) + "0.000"},
      {-0.04, 4, 1, Blanks(3) + "0.0"},
      {123456.5, 4, 1, Blanks(4) + "123456.5"},
      {1.0, 0, 2, Blanks(3) + "1.00"},
      {-1.5, 40, 2, Blanks(38) + "-1.50"},  // more blanks than the short route writes
      {123456789.123456789, 10, 9, " 123456789.123457000"},
      {1.5e20, 5, 2, Blanks(18) + "150000000000000000000.00"},
      {1e15, 17, 0, " 1000000000000000."},
      {12345678901234567890.0, 21, 1, " 12345678901234600000.0"},
      {1.0 / 3.0, 2, 17, " 0.33333333333333300"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.w, c.d), c.expected)
        << "value " << c.value << " w " << c.w << " d " << c.d;
}

TEST(FormatNumber, ReadsTheTextAndReplacesItByTheRoundedValue) {
  std::string text = "1.5D+02";
  EXPECT_EQ(FormatNumber(text, 6, 1), Blanks(3) + "150.0");
  EXPECT_EQ(text, " 150");
  text = " 1.23456";
  EXPECT_EQ(FormatNumber(text, 2, 2), " 1.23");
  EXPECT_EQ(text, " 1.23");
  text = "-.0004";
  EXPECT_EQ(FormatNumber(text, 2, 3), " 0.000");
  EXPECT_EQ(text, " 0");
}

TEST(FormatNumber, FailsOnlyThroughOverflow) {
  EXPECT_THROW(FormatNumber(1e300, 8, 10), ArithmeticFault);
  EXPECT_THROW(FormatNumber(std::numeric_limits<double>::quiet_NaN(), 8, 2), ArithmeticFault);
}

// An independent rendering of the same rules on the C library's "%.15g":
// the value cut to 15 significant digits, rounded half away from zero to d
// decimals, cut to 15 significant digits again and written in fixed point.
std::string ReferenceFormat(double value, int w, int d) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  const double scale = std::pow(10.0, d);
  double rounded = std::round(std::strtod(buffer, nullptr) * scale) / scale;
  if (rounded == 0.0) rounded = 0.0;
  std::snprintf(buffer, sizeof buffer, "%.15g", std::fabs(rounded));

  // Digits and the position of the decimal point relative to them.
  std::string text = buffer;
  int exponent = 0;
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    exponent = std::atoi(text.c_str() + e + 1);
    text.erase(e);
  }
  std::size_t point = text.find('.');
  if (point == std::string::npos) point = text.size();
  std::string digits = text.substr(0, point) + (point < text.size() ? text.substr(point + 1) : "");
  long pointAt = static_cast<long>(point) + exponent;
  while (pointAt > static_cast<long>(digits.size())) digits += '0';
  while (pointAt < 0) digits.insert(0, "0"), ++pointAt;

  std::string integerPart = digits.substr(0, static_cast<std::size_t>(pointAt));
  std::string fraction = digits.substr(static_cast<std::size_t>(pointAt));
  integerPart.erase(0, integerPart.find_first_not_of('0'));
  if (integerPart.empty()) integerPart = "0";
  integerPart.insert(0, rounded < 0.0 ? "-" : " ");
  fraction.resize(static_cast<std::size_t>(d), '0');
  return std::string(static_cast<std::size_t>(std::abs(w - static_cast<int>(integerPart.size()))),
                     ' ') +
         integerPart + "." + fraction;
}

TEST(FormatNumber, AgreesWithAnIndependentRenderingOnRandomValues) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> magnitude(-12, 20);
  std::uniform_int_distribution<int> width(0, 12);
  std::uniform_int_distribution<int> decimals(0, 10);
  std::uniform_int_distribution<int> halves(-4000, 4000);
  for (int n = 0; n < 20000; ++n) {
    const int w = width(random);
    const int d = decimals(random);
    // Every fourth value is a multiple of 1/8, to meet exact halves.
    const double value =
        n % 4 == 0 ? halves(random) / 8.0
                   : (n % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, magnitude(random));
    ASSERT_EQ(FormatNumber(value, w, d), ReferenceFormat(value, w, d))
        << "value " << GeneralText(value) << " w " << w << " d " << d;
  }
}

// FormatNumber of a value takes a short cut through the rounded integer; it
// must give exactly what the text route gives, for every magnitude, width
// and number of decimals.
TEST(FormatNumberShortCut, AgreesWithTheTextRoute) {
  std::mt19937_64 gen(2026);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::uniform_int_distribution<int> width(0, 12);
  std::uniform_int_distribution<int> decimals(0, 27);
  for (int n = 0; n < 200000; ++n) {
    double value = mantissa(gen) * std::pow(10.0, exponent(gen));
    if (n % 10 == 0) value = std::round(value * 1000) / 1000;  // exact halves and ties
    if (n % 17 == 0) value = static_cast<double>(static_cast<long long>(value) % 100000) + 0.5;
    const int w = width(gen);
    int d = n % 3 == 0 ? decimals(gen) : decimals(gen) % 11;
    if (n % 13 == 0) {
      // A tie at the fifteenth digit: a whole number of 15 - b digits plus an
      // odd multiple of 2^-b, whose sixteenth and last digit is a 5, with the
      // b - 1 decimals that keep the fifteenth digit in the result.
      const int b = 1 + n % 3;
      const double unit = std::pow(10.0, 15 - b);
      const double whole = std::floor(unit * (1.0 + 0.45 * (mantissa(gen) + 10.0)));
      const double odd = 2 * (n % (1 << (b - 1))) + 1;
      value = std::copysign(whole + odd / (1 << b), mantissa(gen));
      d = b - 1;
    }
    if (n % 11 == 0) {
      // One unit in the last place beside a half of the last decimal kept.
      const double half = (std::floor(std::fabs(value)) + 0.5) / std::pow(10.0, d % 8);
      value = std::nextafter(half, n % 2 ? 0.0 : 1e300);
      d %= 8;
    }
    std::string text = GeneralText(value);
    ASSERT_EQ(FormatNumber(value, w, d), FormatNumber(text, w, d))
        << value << " w=" << w << " d=" << d;
  }
  for (const double edge : {0.0, -0.0, 0.5, -0.5, 0.0005, -0.0005, 999999999999999.0, 1e15, -1e-300,
                            123456789012345.6, 2.5e-7})
    for (int d : {0, 3, 6, 15, 22, 23}) {
      std::string text = GeneralText(edge);
      EXPECT_EQ(FormatNumber(edge, 6, d), FormatNumber(text, 6, d)) << edge << " d=" << d;
    }
}

}  // namespace
}  // namespace ombrel
