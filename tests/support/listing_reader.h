// Helpers for tests that write a listing section and read it back.
#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ombrel::testing {

// Creates an empty listing "salida.tmp" in dir (as the header would) and
// returns its path, so that a section can append to it.
std::string CreateEmptyListing(const TempDir& dir);

// The lines of a listing, converted to UTF-8, without their CR LF; a last
// line without CR LF is kept too.
std::vector<std::string> ListingLines(const std::string& path);

// Every number in a text, in order (reading stops at the first word that is
// not a number).
std::vector<double> Numbers(const std::string& text);

// n blanks.
std::string Sp(int n);

// Semi-axes of the "ELIPSES DE VERTICE" table, in item order.
struct Axes {
  double a, b;
};
std::vector<Axes> ListedAxes(const std::vector<std::string>& listing);

}  // namespace ombrel::testing
