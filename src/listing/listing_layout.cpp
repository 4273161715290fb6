#include "listing/listing_layout.h"

#include <string>

namespace ombrel {

std::string StarLine() {
  return "    " + std::string(66, '*');
}

void WriteHeading(ListingWriter& out, const std::string& heading) {
  out.BlankLine();
  out.BlankLine();
  out.Line(heading);
  out.BlankLine();
}

void WriteBanner(ListingWriter& out, const std::string& title, bool trailingBlank) {
  const std::string stars = StarLine() + (trailingBlank ? " " : "");
  out.Line(stars);
  out.Line(title);
  out.Line(stars);
}

void WriteMatrix(ListingWriter& out, const Matrix& m, int rows, int cols, int w, int d) {
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= cols; ++j) out.Number(m(i, j), w, d);
    out.BlankLine();
  }
}

void WriteVector(ListingWriter& out, const Vector& v, int n, int w, int d) {
  for (int i = 1; i <= n; ++i) {
    out.Number(v(i), w, d);
    out.BlankLine();
  }
}

namespace {

// GeneralText of a whole number: its sign position, then its digits.
std::string WholeNumberText(int number) {
  std::string text(1, number < 0 ? '-' : ' ');
  text += std::to_string(number < 0 ? -static_cast<long>(number) : number);
  return text;
}

}  // namespace

std::string RightAlignedNumberLabel(int number) {
  const std::string text = WholeNumberText(number);
  return text.size() == 2 ? " " + text : text;
}

std::string LeftAlignedNumberLabel(int number) {
  const std::string text = WholeNumberText(number);
  return text.size() == 2 ? text + " " : text;
}

}  // namespace ombrel
