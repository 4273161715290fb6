#include "plot/pair_answer.h"

#include <cctype>

namespace ombrel {
namespace {

// Digits only, with blanks allowed around them; at most four digits so that
// the value stays within the 16-bit counts of the network.
std::optional<int> WholeNumber(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::string digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (digits.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<std::pair<int, int>> ParsePairAnswer(const std::string& text) {
  if (text.empty() || text == "0" || text == " 0" || text.find('.') != std::string::npos)
    return std::nullopt;
  if (static_cast<unsigned char>(text[0]) < static_cast<unsigned char>('1')) return std::nullopt;
  const auto comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto i = WholeNumber(text.substr(0, comma));
  const auto j = WholeNumber(text.substr(comma + 1));
  if (!i || !j) return std::nullopt;
  return std::make_pair(*i, *j);
}

}  // namespace ombrel
