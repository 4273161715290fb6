#include "listing/listing_layout.h"

#include "listing/number_format.h"

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
    for (int j = 1; j <= cols; ++j) out.Stay(FormatNumber(m(i, j), w, d));
    out.BlankLine();
  }
}

void WriteVector(ListingWriter& out, const Vector& v, int n, int w, int d) {
  for (int i = 1; i <= n; ++i) out.Line(FormatNumber(v(i), w, d));
}

std::string RightAlignedNumberLabel(int number) {
  const std::string text = GeneralText(number);
  return text.size() == 2 ? " " + text : text;
}

std::string LeftAlignedNumberLabel(int number) {
  const std::string text = GeneralText(number);
  return text.size() == 2 ? text + " " : text;
}

}  // namespace ombrel
