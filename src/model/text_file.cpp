#include "model/text_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ombrel {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the unassigned ones.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 character at text[i]; advances i. Invalid input gives 0xFFFFFFFF.
char32_t DecodeUtf8(const std::string& text, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i++]);
  if (b0 < 0x80) return b0;
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFFFFFF;
  char32_t cp = b0 & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size()) return 0xFFFFFFFF;
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0xFFFFFFFF;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

char EncodeCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t k = 0; k < kHigh.size(); ++k)
    if (kHigh[k] != 0 && kHigh[k] == cp) return static_cast<char>(0x80 + k);
  return '?';
}

bool WriteBytes(const std::string& path, const std::string& bytes, std::ios::openmode mode) {
  std::ofstream file(path, std::ios::binary | mode);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      out += c;
    else if (b < 0xA0)
      AppendUtf8(out, kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD);
    else
      AppendUtf8(out, b);
  }
  return out;
}

std::string Utf8ToCp1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    // ASCII runs, nearly all of a listing, are copied as they stand.
    std::size_t run = i;
    while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
    out.append(text, i, run - i);
    i = run;
    if (i < text.size()) out += EncodeCp1252(DecodeUtf8(text, i));
  }
  return out;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return Cp1252ToUtf8(*bytes);
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  return WriteBytes(path, Utf8ToCp1252(text), std::ios::trunc);
}

bool AppendTextFile(const std::string& path, const std::string& text) {
  return WriteBytes(path, Utf8ToCp1252(text), std::ios::app);
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return WriteTextFile(path, text);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

char PathSeparator() {
  return static_cast<char>(std::filesystem::path::preferred_separator);
}

}  // namespace ombrel
