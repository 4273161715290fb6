#include "listing/number_format.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "numeric/checked.h"

namespace ombrel {
namespace {

// Magnitudes written in plain form: 1E-05 <= |x| < 1E+15. Outside, the
// exponent form keeps the text short; FormatNumber reads either form alike.
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = 14;
constexpr int kSignificantDigits = 15;

// 10^0 .. 10^22, every one exact in a double (5^22 < 2^53), and the same
// powers as 128-bit integers for exact scaling of a significand.
constexpr int kLargestExactPower = 22;
using Wide = unsigned __int128;

constexpr std::array<double, kLargestExactPower + 1> kExactPowers = [] {
  std::array<double, kLargestExactPower + 1> powers{};
  double p = 1.0;
  for (double& power : powers) power = p, p *= 10.0;
  return powers;
}();

constexpr std::array<Wide, kLargestExactPower + 1> kWidePowers = [] {
  std::array<Wide, kLargestExactPower + 1> powers{};
  Wide p = 1;
  for (Wide& power : powers) power = p, p *= 10;
  return powers;
}();

double PowerOfTen(int d) {
  if (d <= kLargestExactPower) return kExactPowers[static_cast<std::size_t>(d)];
  return Checked(std::pow(10.0, d));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number at text[start]: sign, digits, point, digits, and an
// exponent only when a digit follows its letter (and sign).
std::size_t NumberLength(const std::string& text, std::size_t start, bool& hasDigit) {
  std::size_t i = start;
  hasDigit = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i, hasDigit = true;
  if (i < text.size() && text[i] == '.') ++i;
  while (i < text.size() && IsDigit(text[i])) ++i, hasDigit = true;
  if (!hasDigit || i >= text.size()) return i - start;
  const char letter = text[i];
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return i - start;
  std::size_t j = i + 1;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  if (j >= text.size() || !IsDigit(text[j])) return i - start;
  while (j < text.size() && IsDigit(text[j])) ++j;
  return j - start;
}

// The exponent e of the text moves the decimal point of ip.fp by e places;
// ip keeps its sign position in front.
void ShiftPoint(std::string& ip, std::string& fp, int e) {
  const int ipLen = static_cast<int>(ip.size());
  const int fpLen = static_cast<int>(fp.size());
  if (e > 0 && e < fpLen) {
    ip += fp.substr(0, static_cast<std::size_t>(e));
    fp.erase(0, static_cast<std::size_t>(e));
  } else if (e > 0) {
    ip += fp;
    ip.append(static_cast<std::size_t>(e - fpLen), '0');
    fp.clear();
  } else if (e < 0 && -e < ipLen) {
    const auto moved = static_cast<std::size_t>(-e);
    fp = ip.substr(ip.size() - moved) + fp;
    ip.erase(ip.size() - moved);
  } else if (e < 0) {
    const std::string digits = ip.substr(1);
    const int zeros = -e - static_cast<int>(digits.size());
    fp = std::string(static_cast<std::size_t>(zeros > 0 ? zeros : 0), '0') + digits + fp;
    ip = ip.substr(0, 1) + "0";
  }
}

// x * 10^d rounded to a whole number, halves away from zero.
double RoundScaled(double x, double scale) {
  const double y = Mul(x, scale);
  // The fraction y - t is exact, so comparing it with one half rounds exact
  // halves away from zero without the error that adding 0.5 to y could bring.
  const double t = std::trunc(y);
  const double fraction = y - t;
  double rounded = t;
  if (y > 0.0 && fraction >= 0.5) rounded = t + 1.0;
  if (y <= 0.0 && fraction <= -0.5) rounded = t - 1.0;
  return rounded;
}

// The value that the general-format text of x stands for: x rounded to
// fifteen significant digits, read back.
double FifteenDigitsThroughText(double x) {
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, x,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  double value = 0.0;
  std::from_chars(buffer, written.ptr, value);
  return Checked(value);
}

// The same for 1E-08 <= a < 1E+15 (a > 0), in exact integer arithmetic:
// a = s / 2^shift with a 53-bit significand s, so s * 10^k / 2^shift is a
// scaled by 10^k; with k chosen for an integer part of fifteen digits, that
// part is the digits and the remainder decides the rounding, ties to the
// even digit as in the decimal text. The fifteen digits over 10^k read back
// with one correctly rounded division, both operands exact. False outside
// the range.
bool FifteenDigitsExact(double a, double& value) {
  const auto bits = std::bit_cast<std::uint64_t>(a);
  const int biased = static_cast<int>(bits >> 52);
  const std::uint64_t significand =
      (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biased;
  // floor(log10(2^(biased - 1023))): the decimal exponent of a, or one less.
  const int exponent = ((biased - 1023) * 78913) >> 18;
  int k = kSignificantDigits - 1 - exponent;
  if (k < 0 || k > kLargestExactPower) return false;
  Wide scaled = Wide{significand} * kWidePowers[static_cast<std::size_t>(k)];
  Wide digits = scaled >> shift;
  if (digits >= kWidePowers[kSignificantDigits]) {
    if (--k < 0) return false;
    scaled = Wide{significand} * kWidePowers[static_cast<std::size_t>(k)];
    digits = scaled >> shift;
  }
  const Wide remainder = scaled - (digits << shift);
  const Wide half = Wide{1} << (shift - 1);
  if (remainder > half || (remainder == half && (digits & 1) != 0)) ++digits;
  if (digits == kWidePowers[kSignificantDigits]) {
    digits = kWidePowers[kSignificantDigits - 1];
    if (--k < 0) return false;
  }
  value = static_cast<double>(static_cast<std::uint64_t>(digits)) /
          kExactPowers[static_cast<std::size_t>(k)];
  return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last `count` decimal digits of n (leading zeros included) in
// front of p, two at a time; returns where they begin. n loses them.
char* WriteLastDigits(unsigned long long& n, int count, char* p) {
  for (; count >= 2; count -= 2) {
    const auto pair = static_cast<std::size_t>(n % 100) * 2;
    n /= 100;
    *--p = kDigitPairs[pair + 1];
    *--p = kDigitPairs[pair];
  }
  if (count == 1) {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  return p;
}

// Writes all the decimal digits of n (at least one) in front of p.
char* WriteDigits(unsigned long long n, char* p) {
  while (n >= 100) p = WriteLastDigits(n, 2, p);
  return WriteLastDigits(n, n >= 10 ? 2 : 1, p);
}

// FormatNumber's layout of r / 10^d, where r (|r| < 10^15, d <= 22) is the
// value already rounded and scaled by 10^d: blanks, the sign position, the
// whole part (at least "0"), the point and exactly d decimals. Written
// backwards into a local buffer and appended at once.
void AppendScaled(std::string& out, long long r, int w, int d) {
  constexpr int kBlanksHere = 24;
  char buffer[kBlanksHere + 48];
  char* const end = buffer + sizeof buffer;
  unsigned long long n = static_cast<unsigned long long>(r < 0 ? -r : r);
  char* p = WriteLastDigits(n, d, end);
  *--p = '.';
  p = WriteDigits(n, p);
  *--p = r < 0 ? '-' : ' ';
  const int integerLength = static_cast<int>(end - p) - d - 1;  // with the sign
  const int pad = std::abs(w - integerLength);
  if (pad <= kBlanksHere) {
    p -= pad;
    for (int i = 0; i < pad; ++i) p[i] = ' ';
  } else {
    out.append(static_cast<std::size_t>(pad), ' ');
  }
  out.append(p, static_cast<std::size_t>(end - p));
}

// y rounded to a whole number r as RoundScaled rounds it, when |r| < 10^15.
// In that range the integer conversion truncates exactly.
bool RoundToWhole(double y, long long& r) {
  if (!(std::fabs(y) < 1e15)) return false;
  r = static_cast<long long>(y);
  const double fraction = y - static_cast<double>(r);
  if (y > 0.0 && fraction >= 0.5) ++r;
  if (y <= 0.0 && fraction <= -0.5) --r;
  return r < 1'000'000'000'000'000 && r > -1'000'000'000'000'000;
}

// FormatNumber of a value whose rounded digits fit fifteen: the digits of
// the rounded integer r = x * 10^d are exactly those the general text of
// r / 10^d carries, so the text is built from r without the round trip
// through text. Returns false when the text route must serve: more
// decimals than 10^d holds exactly, or r of more than fifteen digits.
bool AppendFromRoundedInteger(std::string& out, double x, int w, int d) {
  if (d > kLargestExactPower) return false;
  const double scale = kExactPowers[static_cast<std::size_t>(d)];
  const double a = std::fabs(x);
  long long r = 0;
  // Far below half a unit of the last decimal, fifteen digits or not, x
  // rounds to zero; from 1E+15 on, r has more than fifteen digits.
  if (a * scale >= 0.25) {
    if (!(a < 1e15)) return false;
    double fifteen = 0.0;
    if (!FifteenDigitsExact(a, fifteen)) fifteen = FifteenDigitsThroughText(a);
    if (!RoundToWhole(Mul(x < 0.0 ? -fifteen : fifteen, scale), r)) return false;
  }
  AppendScaled(out, r, w, d);
  return true;
}

}  // namespace

double RoundToDecimals(double x, int d) {
  if (d < 0) throw std::invalid_argument("RoundToDecimals: decimales negativos");
  const double scale = PowerOfTen(d);
  return Div(RoundScaled(x, scale), scale);
}

std::string GeneralText(double value) {
  Checked(value);
  if (value == 0.0) return " 0";  // -0 too: zero never carries a minus sign

  // "D.DDDDDDDDDDDDDDe+XX": the 15 significant digits, correctly rounded,
  // and the decimal exponent (to_chars gives the digits printf would, much
  // faster: a listing formats hundreds of thousands of numbers).
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::scientific, kSignificantDigits - 1);
  *written.ptr = '\0';
  std::string digits(1, buffer[0]);
  digits.append(buffer + 2, kSignificantDigits - 1);
  const int exponent = std::atoi(buffer + kSignificantDigits + 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = value < 0.0 ? "-" : " ";
  if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent) {
    text += digits[0];
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      text += digits;
      text.append(integerDigits - digits.size(), '0');
    } else {
      text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
  } else {
    text += ".";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  }
  return text;
}

double NumericValue(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  bool hasDigit = false;
  const std::size_t length = NumberLength(text, start, hasDigit);
  if (!hasDigit) return 0.0;

  std::string number = text.substr(start, length);
  if (number[0] == '+') number.erase(0, 1);
  for (char& c : number)
    if (c == 'D' || c == 'd') c = 'E';
  double value = 0.0;
  const std::from_chars_result read =
      std::from_chars(number.data(), number.data() + number.size(), value);
  if (read.ec == std::errc::result_out_of_range) {
    // Too small for a double reads as zero; too large is an overflow.
    const std::size_t e = number.find_first_of("Ee");
    if (e != std::string::npos && number.find('-', e) != std::string::npos) return 0.0;
    ThrowOverflow();
  }
  return Checked(value);
}

std::string FormatNumber(std::string& s, int w, int d) {
  if (d < 0) throw std::invalid_argument("FormatNumber: decimales negativos");
  s = GeneralText(RoundToDecimals(NumericValue(s), d));

  const std::size_t point = s.rfind('.');
  const std::size_t letterE = s.rfind('E');
  const std::size_t letterD = s.rfind('D');
  std::size_t exponentAt = std::string::npos;
  if (letterE != std::string::npos) exponentAt = letterE;
  if (letterD != std::string::npos && (exponentAt == std::string::npos || letterD > exponentAt))
    exponentAt = letterD;

  std::string ip;
  std::string fp;
  if (exponentAt == std::string::npos) {
    ip = s.substr(0, point);
    if (point != std::string::npos) fp = s.substr(point + 1);
  } else {
    const bool hasPoint = point != std::string::npos && point < exponentAt;
    ip = s.substr(0, hasPoint ? point : exponentAt);
    if (hasPoint) fp = s.substr(point + 1, exponentAt - point - 1);
    ShiftPoint(ip, fp, static_cast<int>(std::lround(NumericValue(s.substr(exponentAt + 1)))));
  }

  if (ip.size() == 1) ip += '0';  // the sign position alone: a value below 1
  const auto decimals = static_cast<std::size_t>(d);
  if (fp.size() < decimals)
    fp.append(decimals - fp.size(), '0');
  else
    fp.resize(decimals);

  const int pad = std::abs(w - static_cast<int>(ip.size()));
  return std::string(static_cast<std::size_t>(pad), ' ') + ip + "." + fp;
}

std::string FormatNumber(double value, int w, int d) {
  std::string out;
  AppendNumber(out, value, w, d);
  return out;
}

void AppendNumber(std::string& out, double value, int w, int d) {
  if (d < 0) throw std::invalid_argument("FormatNumber: decimales negativos");
  if (AppendFromRoundedInteger(out, Checked(value), w, d)) return;
  std::string text = GeneralText(value);
  out += FormatNumber(text, w, d);
}

}  // namespace ombrel
