#include "listing/number_format.h"

#include <algorithm>
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

// The eight decimal digits of n < 10^8, leading zeros included, written at
// p: the halves, then the pairs, then the single digits are split in
// parallel in the lanes of one 64-bit word (a lane / 100 as
// lane * 5243 >> 19 below 10^4, a lane / 10 as lane * 103 >> 10 below 100).
void WriteEightDigits(std::uint32_t n, char* p) {
  std::uint64_t v = std::uint64_t{n / 10000} | (std::uint64_t{n % 10000} << 32);
  std::uint64_t q = ((v * 5243) >> 19) & 0x0000007F0000007FULL;
  v = q | ((v - q * 100) << 16);
  q = ((v * 103) >> 10) & 0x000F000F000F000FULL;
  v = q | ((v - q * 10) << 8);
  v += 0x3030303030303030ULL;  // '0' in every byte
  // The first digit is in the lowest byte: the first in memory on a
  // little-endian machine.
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}

// Decimal digits of n (1 for 0): from the bit length, then one comparison.
int DigitCount(std::uint64_t n) {
  static constexpr std::uint64_t kPowers[] = {1,
                                              10,
                                              100,
                                              1000,
                                              10000,
                                              100000,
                                              1000000,
                                              10000000,
                                              100000000,
                                              1000000000,
                                              10000000000,
                                              100000000000,
                                              1000000000000,
                                              10000000000000,
                                              100000000000000,
                                              1000000000000000,
                                              10000000000000000};
  const int estimate = (std::bit_width(n | 1) * 1233) >> 12;  // floor(log10) or one more
  return estimate + (n >= kPowers[estimate] ? 1 : 0);
}

// Blanks that the short route writes in front of a number; more (a width
// far beyond the number) take the text route.
constexpr int kMostBlanks = 32;
static_assert(kNumberRoom >= kMostBlanks + 2 + 16 + 24);

// FormatNumber's layout of r / 10^d at p, where r (|r| < 10^15, d <= 22) is
// the value already rounded and scaled by 10^d: blanks, the sign position,
// the whole part (at least "0"), the point and exactly d decimals. The
// digits of r, zero-padded to 32, give both parts by position, copied with
// lengths fixed at compile time; p has kNumberRoom bytes of room. Returns
// the end, or nullptr for more than kMostBlanks blanks.
char* WriteScaled(char* p, long long r, int w, int d) {
  const auto n = static_cast<std::uint64_t>(r < 0 ? -r : r);
  char digits[64];
  std::memset(digits, '0', sizeof digits);
  if (n >= 100000000) {
    WriteEightDigits(static_cast<std::uint32_t>(n / 100000000), digits + 16);
    WriteEightDigits(static_cast<std::uint32_t>(n % 100000000), digits + 24);
  } else {
    WriteEightDigits(static_cast<std::uint32_t>(n), digits + 24);
  }
  const char* const pointAt = digits + 32 - d;
  const int wholeDigits = std::max(DigitCount(n) - d, 1);
  const int pad = std::abs(w - (wholeDigits + 1));
  if (pad > kMostBlanks) return nullptr;
  std::memset(p, ' ', kMostBlanks);
  p += pad;
  *p++ = r < 0 ? '-' : ' ';
  std::memcpy(p, pointAt - wholeDigits, 16);
  p += wholeDigits;
  *p++ = '.';
  std::memcpy(p, pointAt, 24);
  return p + d;
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

// Whether y = x * 10^d lies so far from every half-integer that x and its
// fifteen-digit value v, scaled alike, round to the same whole number.
// |v - x| <= 5.0e-15 |x| (half a unit of the fifteenth digit, 5.0e-15, and
// the reading back, 1.2e-16) and each product rounds by 1.2e-16 more, so the
// scaled values differ by less than 6e-15 y; the margin is 1e-14 y.
// For 0 <= y < 10^15, where the integer conversion truncates exactly.
bool FarFromHalf(double y) {
  const double fraction = y - static_cast<double>(static_cast<long long>(y));  // exact
  return std::fabs(fraction - 0.5) > 1e-14 * y;
}

// FormatNumber of a value whose rounded digits fit fifteen: the digits of
// the rounded integer r = x * 10^d are exactly those the general text of
// r / 10^d carries, so the text is built from r without the round trip
// through text. Returns nullptr when the text route must serve: more
// decimals than 10^d holds exactly, r of more than fifteen digits, or more
// blanks than the short route writes.
char* WriteFromRoundedInteger(char* p, double x, int w, int d) {
  if (d > kLargestExactPower) return nullptr;
  const double scale = kExactPowers[static_cast<std::size_t>(d)];
  const double a = std::fabs(x);
  const double y = a * scale;
  long long r = 0;
  // Far below half a unit of the last decimal, fifteen digits or not, x
  // rounds to zero; from 1E+15 on, r has more than fifteen digits. Far from
  // a half the rounding of x itself serves; near one, the fifteen digits
  // decide.
  if (y >= 0.25) {
    if (!(a < 1e15 && y < 1e15)) return nullptr;
    if (!FarFromHalf(y)) {
      double fifteen = 0.0;
      if (!FifteenDigitsExact(a, fifteen)) fifteen = FifteenDigitsThroughText(a);
      if (!RoundToWhole(Mul(fifteen, scale), r)) return nullptr;
    } else if (!RoundToWhole(y, r)) {
      return nullptr;
    }
  }
  return WriteScaled(p, x < 0.0 ? -r : r, w, d);
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

char* FormatNumberAt(char* p, double value, int w, int d) {
  if (d < 0) throw std::invalid_argument("FormatNumber: decimales negativos");
  return WriteFromRoundedInteger(p, Checked(value), w, d);
}

void AppendNumber(std::string& out, double value, int w, int d) {
  // Formatted in place in room made at the end, then cut to its length.
  const std::size_t size = out.size();
  out.resize(size + kNumberRoom);
  const char* end = nullptr;
  try {
    end = FormatNumberAt(out.data() + size, value, w, d);
  } catch (...) {
    out.resize(size);
    throw;
  }
  if (end != nullptr) {
    out.resize(static_cast<std::size_t>(end - out.data()));
    return;
  }
  out.resize(size);
  std::string general = GeneralText(value);
  out += FormatNumber(general, w, d);
}

}  // namespace ombrel
