#include "model/matrix_file.h"

#include <algorithm>
#include <charconv>
#include <new>
#include <string_view>

#include "model/input_file.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

constexpr char kCr = '\r';

// The byte that ends a row: CR, or LF in a file without any CR (written with
// Unix line ends), whose rows would otherwise all run together.
char RowEnd(std::string_view bytes) {
  return bytes.find(kCr) == std::string_view::npos ? '\n' : kCr;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool EndsToken(char c, char rowEnd) {
  return c == ';' || IsBlank(c) || c == rowEnd || c == ',';
}

// Decimal exponent of the first significant digit of a mantissa, plus the
// written exponent: tells an overflow from an underflow when the conversion
// reports the value out of range. Exponent digits are clamped, so an absurd
// exponent cannot overflow the arithmetic here.
long Magnitude(std::string_view integer, std::string_view fraction, std::string_view exponent) {
  long position = 0;
  const auto first = integer.find_first_not_of('0');
  if (first != std::string_view::npos) {
    position = static_cast<long>(integer.size() - first);
  } else {
    const auto nonzero = fraction.find_first_not_of('0');
    position = -static_cast<long>(nonzero == std::string_view::npos ? fraction.size() : nonzero);
  }
  long value = 0;
  bool negative = false;
  for (char c : exponent) {
    if (c == '-') negative = true;
    if (IsDigit(c)) value = std::min(value * 10 + (c - '0'), 1000000L);
  }
  return position + (negative ? -value : value);
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Value of a token: leading blanks and line feeds skipped, then the longest
// prefix of the form [sign] digits [. digits] [e [sign] digits]; nothing
// numeric reads 0. A value beyond the range of a double throws (overflow);
// one too small to represent reads 0.
double ElementValue(std::string_view token) {
  std::size_t i = 0;
  while (i < token.size() && (IsBlank(token[i]) || token[i] == '\n')) ++i;
  const std::size_t start = i;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = SkipDigits(token, i);
  const std::string_view integer = token.substr(intStart, i - intStart);
  std::string_view fraction;
  if (i < token.size() && token[i] == '.') {
    const std::size_t fracStart = ++i;
    i = SkipDigits(token, i);
    fraction = token.substr(fracStart, i - fracStart);
  }
  if (integer.empty() && fraction.empty()) return 0.0;
  std::string_view exponent;
  if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < token.size() && (token[j] == '+' || token[j] == '-')) ++j;
    if (j < token.size() && IsDigit(token[j])) {
      const std::size_t end = SkipDigits(token, j);
      exponent = token.substr(i + 1, end - i - 1);
      i = end;
    }
  }
  std::string_view number = token.substr(start, i - start);
  if (number.front() == '+') number.remove_prefix(1);  // from_chars takes no "+"
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (Magnitude(integer, fraction, exponent) > 0) ThrowOverflow();
    return 0.0;
  }
  return Checked(value);
}

std::int64_t CountRows(std::string_view bytes, char rowEnd) {
  return 1 + std::count(bytes.begin(), bytes.end(), rowEnd);
}

// Columns of the first row: a run of blanks adds one and swallows the byte
// that ends it (so "1 ; 2" counts both runs but not the ";"); a ";" elsewhere
// adds one. The count stops at the first row end.
std::int64_t CountColumns(std::string_view bytes, char rowEnd) {
  const std::string_view row = bytes.substr(0, bytes.find(rowEnd));
  std::int64_t cols = 1;
  std::size_t i = 0;
  while (i < row.size()) {
    const char c = row[i++];
    if (IsBlank(c)) {
      ++cols;
      while (i < row.size() && IsBlank(row[i])) ++i;
      if (i < row.size()) ++i;
    } else if (c == ';') {
      ++cols;
    }
  }
  return cols;
}

Failure Refusal(std::string text) {
  return {std::move(text), Icon::Exclamation};
}

Failure ReadingError() {
  return Refusal(
      "Se ha producido un error en la lectura de los ficheros de matrices.\r\n"
      "Compruebe los formatos.");
}

enum class ReadOutcome { Done, DecimalComma };

// Reads rows x cols tokens from the start of the file into record.values.
// Every token that does not reach the end of the file advances past its
// delimiter, so the loop ends within one pass over the bytes.
ReadOutcome ReadElements(std::string_view bytes, char rowEnd, ImportedMatrix& record) {
  std::size_t s = 0;
  for (int i = 1; i <= record.rows; ++i) {
    for (int j = 1; j <= record.cols; ++j) {
      std::size_t t = s;
      while (t < bytes.size() && !EndsToken(bytes[t], rowEnd)) ++t;
      if (t < bytes.size() && bytes[t] == ',') return ReadOutcome::DecimalComma;
      record.values(i, j) = ElementValue(bytes.substr(s, t - s));
      if (t == bytes.size()) return ReadOutcome::Done;
      s = t + 1;
      while (s < bytes.size() && IsBlank(bytes[s])) ++s;
    }
  }
  return ReadOutcome::Done;
}

}  // namespace

bool MatrixFits(std::int64_t rows, std::int64_t cols) {
  return rows <= kMaxDimension && cols <= kMaxDimension && rows * cols <= kMaxMatrixElements;
}

Failure MatrixFileTooLarge(const std::string& path) {
  return Refusal("¡ El fichero " + path + " es demasiado grande !");
}

Result<std::string> OpenMatrixFile(const std::string& path) {
  InputFile input = ReadInputFile(path, kMaxMatrixFileBytes);
  switch (input.status) {
    case InputStatus::Missing:
      return Refusal("¡ El fichero " + path + " no existe !");
    case InputStatus::TooLarge:
      return MatrixFileTooLarge(path);
    case InputStatus::NotAFile:
    case InputStatus::Unreadable:
      return ReadingError();
    case InputStatus::Read:
      break;
  }
  return std::move(input.bytes);
}

Result<ImportedMatrix> ParseMatrixFile(std::string_view bytes, const std::string& path) {
  try {
    const char rowEnd = RowEnd(bytes);
    const std::int64_t rows = CountRows(bytes, rowEnd);
    const std::int64_t cols = CountColumns(bytes, rowEnd);
    if (!MatrixFits(rows, cols)) return MatrixFileTooLarge(path);
    ImportedMatrix record;
    record.values.Redim(static_cast<int>(rows), static_cast<int>(cols));
    record.rows = static_cast<int>(rows);
    record.cols = static_cast<int>(cols);
    if (ReadElements(bytes, rowEnd, record) == ReadOutcome::DecimalComma)
      return Refusal(
          "El formato de los elementos de las matrices no es correcto:\r\n\r\n"
          "En " +
          path + " hay alguna ',' como separador decimal.");
    return record;
  } catch (const RunTimeError&) {
    return ReadingError();
  } catch (const std::bad_alloc&) {
    return ReadingError();
  }
}

Result<ImportedMatrix> ReadMatrixFile(const std::string& path) {
  const Result<std::string> bytes = OpenMatrixFile(path);
  if (!bytes) return bytes.error();
  return ParseMatrixFile(*bytes, path);
}

}  // namespace ombrel
