// The answer "I,J" to the figure prompts of the graphics window: two whole
// numbers separated by a comma, naming two vertices (relative ellipses) or
// two coordinate unknowns (hyperellipsoid figures).
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace ombrel {

// The two numbers as typed, or nullopt when the text is not of that shape:
// a "." anywhere, "0" or " 0", a first character below "1", anything but
// digits (blanks allowed around the second number), or a missing number.
std::optional<std::pair<int, int>> ParsePairAnswer(const std::string& text);

}  // namespace ombrel
