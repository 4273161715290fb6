// How a value becomes listing text. Every number in a listing goes through
// FormatNumber: fixed point, right-aligned on the decimal point, at most 15
// significant digits taken from the value. Non-finite values and results
// beyond the range of a double raise ArithmeticFault, so they never reach a
// listing.
#pragma once

#include <cstddef>
#include <string>

namespace ombrel {

// x rounded to d decimals (d = 0..308), halves away from zero:
// 2.5 -> 3, -2.5 -> -3, 0.125 -> 0.13 (the product x * 10^d is what is
// rounded, so a half must be exact in that product).
double RoundToDecimals(double x, int d);

// The general-format text of a value: at most 15 significant digits, "." as
// decimal point, a leading blank for a value >= 0 (and for -0) and "-" for a
// negative one, no digit before the point below 1 (" .5", "-.25"), and the
// exponent form for magnitudes below 1E-05 or from 1E+15 on ("1.5E-07",
// " 1E+20").
std::string GeneralText(double value);

// The fixed-point text of the number written in s (a general-format text; an
// "E" or "D" exponent is understood), rounded to d decimals (d >= 0), with
// its integer part including the sign position right-aligned in w characters:
// "0", w 8, d 6 gives "       0.000000". An integer part longer than w is
// preceded by (its length - w) blanks instead. With d = 0 the text ends in
// ".". A value that rounds to zero has no minus sign. As a side effect s
// becomes the general-format text of the rounded value.
std::string FormatNumber(std::string& s, int w, int d);

// FormatNumber of the general-format text of value.
std::string FormatNumber(double value, int w, int d);

// Room that FormatNumberAt may need at its destination.
inline constexpr std::size_t kNumberRoom = 80;

// Writes FormatNumber(value, w, d) at p (kNumberRoom bytes of room) when
// the value takes the short route, as nearly every number of a listing
// does: up to 22 decimals, fifteen digits, up to 32 leading blanks. Returns
// the end of the text, or nullptr, with nothing written, when AppendNumber
// must serve. Fails as FormatNumber does.
char* FormatNumberAt(char* p, double value, int w, int d);

// Appends FormatNumber(value, w, d) to out. Formats from the binary value
// itself, without building the general-format text, for the matrices and
// tables of a listing. On failure (as FormatNumber's) out is unchanged.
void AppendNumber(std::string& out, double value, int w, int d);

// The numeric value of the number at the start of a text: leading blanks
// skipped, then an optional sign, digits, one optional point and an optional
// exponent ("E" or "D"). No number gives 0.
double NumericValue(const std::string& text);

}  // namespace ombrel
