#include "listing/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "numeric/checked.h"

namespace ombrel {
namespace {

// Magnitudes written in plain form: 1E-05 <= |x| < 1E+15. Outside, the
// exponent form keeps the text short; FormatNumber reads either form alike.
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = 14;
constexpr int kSignificantDigits = 15;

double PowerOfTen(int d) {
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
// fifteen significant digits.
double FifteenDigits(double x) {
  char buffer[40];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, Checked(x),
                                     std::chars_format::scientific, kSignificantDigits - 1);
  double value = 0.0;
  std::from_chars(buffer, written.ptr, value);
  return Checked(value);
}

// FormatNumber of a value whose rounded digits fit fifteen: the digits of
// the rounded integer r = x * 10^d are exactly those the general text of
// r / 10^d carries, so the text is built from r without the round trip
// through text. Returns false when r has more digits.
bool FormatFromRoundedInteger(double x, int w, int d, std::string& out) {
  if (d > 22) return false;  // 10^d is no longer exact
  const double rounded = RoundScaled(FifteenDigits(x), PowerOfTen(d));
  if (!(std::fabs(rounded) < 1e15)) return false;
  const auto r = static_cast<long long>(rounded);
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, r < 0 ? -r : r).ptr;
  const auto count = static_cast<int>(end - digits);
  const int integerDigits = count > d ? count - d : 0;
  std::string ip(1, r < 0 ? '-' : ' ');
  if (integerDigits == 0)
    ip += '0';
  else
    ip.append(digits, static_cast<std::size_t>(integerDigits));
  const int pad = std::abs(w - static_cast<int>(ip.size()));
  out.assign(static_cast<std::size_t>(pad), ' ');
  out += ip;
  out += '.';
  if (count < d) out.append(static_cast<std::size_t>(d - count), '0');
  out.append(digits + integerDigits, static_cast<std::size_t>(count - integerDigits));
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
  if (d < 0) throw std::invalid_argument("FormatNumber: decimales negativos");
  std::string out;
  if (FormatFromRoundedInteger(value, w, d, out)) return out;
  std::string text = GeneralText(value);
  return FormatNumber(text, w, d);
}

}  // namespace ombrel
