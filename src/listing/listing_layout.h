// The shared layout of every listing section: headings, banners, matrices,
// vectors and the labels of point and observation numbers.
#pragma once

#include <string>

#include "listing/listing_writer.h"
#include "numeric/matrix.h"

namespace ombrel {

// Four blanks and 66 stars: the frame of every banner.
std::string StarLine();

// A section heading: two blank lines, the heading text, one blank line.
// Heading texts carry their own four leading blanks.
void WriteHeading(ListingWriter& out, const std::string& heading);

// A banner: the star line, the title line, the star line. The listing header
// frames its banners with a trailing blank after the stars (trailingBlank).
void WriteBanner(ListingWriter& out, const std::string& title, bool trailingBlank = false);

// Rows 1..rows of m, columns 1..cols, each element as FormatNumber(w, d)
// with no separator, one line per row.
void WriteMatrix(ListingWriter& out, const Matrix& m, int rows, int cols, int w, int d);

// Elements 1..n of v, one per line, as FormatNumber(w, d).
void WriteVector(ListingWriter& out, const Vector& v, int n, int w, int d);

// A point or observation number (0..999) padded in front to three
// characters: "  7", " 12", " 123". The usual label of listing tables, e.g.
// "X(" + RightAlignedNumberLabel(7) + " )" gives "X(  7 )" in the results
// summary.
std::string RightAlignedNumberLabel(int number);

// A point number (0..999) with its sign blank, padded behind to three
// characters: " 7 ", " 12", " 123". Labels the unknowns of the design matrix
// and the corrections of the inverse adjustment: "X( 7  )".
std::string LeftAlignedNumberLabel(int number);

}  // namespace ombrel
