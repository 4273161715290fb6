#include "ui/prompt_text.h"

#include <cctype>

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
  return i == t.size();
}

bool IsTypedWholeNumber(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t.empty()) return false;
  for (char c : t)
    if (!IsDigit(c)) return false;
  return true;
}

}  // namespace ombrel
