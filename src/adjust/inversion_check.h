// The optional check of the inversion in the listing of the adjustment with
// the inverse: N Qxx - I, which a good inversion leaves at rounding level,
// printed in a short scientific pattern so that its size shows at a glance.
#pragma once

#include <string>

#include "listing/listing_writer.h"
#include "numeric/matrix.h"

namespace ombrel {

// The text of value in the pattern "0.0E-00": one digit, ".", one digit,
// "E", a "-" only for a negative exponent, and at least two exponent digits.
// 0 gives "0.0E00"; -1.5E-17 gives "-1.5E-17", 250000 gives "2.5E05".
// value must be finite.
std::string ScientificText(double value);

// Writes the check section for the matrix normal of order n (1..32767) and
// its inverse, each holding at least n x n elements.
//
// After writing it, throws RunTimeError when the check fails: when some
// element R(i, j) of N Qxx - I, taken in the units of the unknowns (times
// sqrt(N(j, j) / N(i, i)), so that no unknown weighs by its units alone),
// exceeds sqrt(eps) = 1.5e-8, that is when Qxx keeps fewer than half of the
// digits of a double. A sound inversion leaves n eps times the condition of
// N there: below 1e-9 on every network tried, the scale unknown included.
void WriteInversionCheck(ListingWriter& out, const Matrix& normal, const Matrix& inverse, int n);

}  // namespace ombrel
