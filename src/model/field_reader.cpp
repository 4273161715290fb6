#include "model/field_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace ombrel {

bool FieldReader::AtLineEnd() const {
  return text_[pos_] == '\r' || text_[pos_] == '\n';
}

void FieldReader::SkipLineEnd() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

std::optional<std::string> FieldReader::Next() {
  // Leading spaces, and line ends that end no field.
  while (pos_ < text_.size() && (text_[pos_] == ' ' || AtLineEnd())) {
    if (text_[pos_] == ' ')
      ++pos_;
    else
      SkipLineEnd();
  }
  if (pos_ >= text_.size()) return std::nullopt;
  const std::size_t start = pos_;
  fieldLine_ = line_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
  std::string field = text_.substr(start, pos_ - start);
  while (!field.empty() && field.back() == ' ') field.pop_back();
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',')
      ++pos_;
    else
      SkipLineEnd();
  }
  return field;
}

namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the number at text[pos] (sign, digits, one point); 0 when none.
std::size_t ScanPlainNumber(const std::string& text, std::size_t pos, bool& hasDigits) {
  std::size_t i = pos;
  hasDigits = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool point = false;
  while (i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point))) {
    if (text[i] == '.')
      point = true;
    else
      hasDigits = true;
    ++i;
  }
  return i - pos;
}

}  // namespace

std::optional<double> ParseDecimal(const std::string& text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  double value = 0.0;
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> ParseNumberField(const std::string& field) {
  std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::size_t end = field.find_last_not_of(' ') + 1;
  const std::string body = field.substr(begin, end - begin);
  bool hasDigits = false;
  std::size_t i = ScanPlainNumber(body, 0, hasDigits);
  if (!hasDigits) return std::nullopt;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < body.size() && (body[j] == '+' || body[j] == '-')) ++j;
    const std::size_t digitsStart = j;
    while (j < body.size() && IsDigit(body[j])) ++j;
    if (j == digitsStart) return std::nullopt;
    i = j;
  }
  if (i != body.size()) return std::nullopt;
  return ParseDecimal(body);
}

double LeadingNumber(const std::string& text) {
  std::size_t begin = 0;
  while (begin < text.size() && text[begin] == ' ') ++begin;
  bool hasDigits = false;
  const std::size_t length = ScanPlainNumber(text, begin, hasDigits);
  if (!hasDigits) return 0.0;
  return ParseDecimal(text.substr(begin, length)).value_or(0.0);
}

}  // namespace ombrel
