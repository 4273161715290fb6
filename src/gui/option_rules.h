// What the options dialog accepts as typed values.
#pragma once

#include <string>

namespace ombrel {

// A precision in metres: a number written with "." as decimal point, not
// zero and without a sign "-" (a decimal comma is refused, not read).
bool AcceptPrecision(const std::string& text, double& value);

// A number of decimals: a whole number with no ".", "," or "-", from 0 to
// kMaxOutputDecimals (the listing's numbers take no more).
bool AcceptDecimals(const std::string& text, int& value);

// The messages that refuse each text.
std::string PrecisionRefusal(const std::string& text);
std::string DecimalsRefusal(const std::string& text);

}  // namespace ombrel
