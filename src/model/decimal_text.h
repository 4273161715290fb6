// A value as the dialogs show it in a text field or list line: the shortest
// decimal text that reads back to the same double, never in exponent form,
// because the lines are read back by their leading number.
#pragma once

#include <string>

namespace ombrel {

// "2.5", "-0.00011664", "400"; no leading blank.
std::string DecimalText(double value);

}  // namespace ombrel
