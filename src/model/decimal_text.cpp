#include "model/decimal_text.h"

#include <charconv>

namespace ombrel {

std::string DecimalText(double value) {
  if (value == 0.0) return "0";  // -0 too
  char buffer[400];              // the longest fixed text of a finite double is under 330
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, written.ptr);
}

}  // namespace ombrel
