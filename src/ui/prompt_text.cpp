#include "ui/prompt_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

namespace ombrel {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

std::string HeadingPrompt(const std::string& heading, const std::string& question) {
  return JoinLines({"", heading, "", "", question});
}

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Whether a well-formed number has a magnitude a double can hold. One too
// small reads as zero, as the program reads every number; one too large
// would overflow wherever it is used, so it is no number at all.
bool WithinDoubleRange(const std::string& number) {
  const std::size_t start = number[0] == '+' ? 1 : 0;
  double value = 0.0;
  const auto read = std::from_chars(number.data() + start, number.data() + number.size(), value);
  if (read.ec != std::errc::result_out_of_range) return true;
  // Out of range: the first significant digit and the exponent tell which way.
  const std::size_t e = number.find_first_of("eE");
  const std::string mantissa = number.substr(0, e);
  const std::size_t first = mantissa.find_first_of("123456789");
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  long magnitude =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  if (e != std::string::npos) {
    long exponent = 0;
    const std::size_t digits = number.find_first_of("0123456789", e);
    const auto end = number.data() + number.size();
    if (std::from_chars(number.data() + digits, end, exponent).ec != std::errc()) exponent = 99999;
    magnitude += number.find('-', e) == std::string::npos ? exponent : -exponent;
  }
  return magnitude < 0;
}

}  // namespace

bool IsTypedNumber(const std::string& text) {
  const std::string t = Trimmed(text);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < t.size() && (IsDigit(t[i]) || t[i] == '.'); ++i) {
    if (t[i] == '.') {
      if (point) return false;
      point = true;
    } else {
      digits = true;
    }
  }
  if (!digits) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i == start) return false;
  }
  return i == t.size() && WithinDoubleRange(t);
}

bool IsTypedWholeNumber(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t.empty()) return false;
  for (char c : t)
    if (!IsDigit(c)) return false;
  return WithinDoubleRange(t);
}

}  // namespace ombrel
