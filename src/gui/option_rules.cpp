#include "gui/option_rules.h"

#include <cmath>
#include <cstdlib>

#include "model/network_state.h"
#include "ui/prompt_text.h"

namespace ombrel {

bool AcceptPrecision(const std::string& text, double& value) {
  if (text.find_first_of(",-") != std::string::npos || !IsTypedNumber(text)) return false;
  const double typed = std::strtod(text.c_str(), nullptr);
  if (typed == 0.0 || !std::isfinite(typed)) return false;
  value = typed;
  return true;
}

bool AcceptDecimals(const std::string& text, int& value) {
  if (text.find_first_of(".,-") != std::string::npos || !IsTypedWholeNumber(text)) return false;
  const long typed = std::strtol(text.c_str(), nullptr, 10);
  // strtol saturates on overflow, so a long run of digits is refused here too.
  if (typed > kMaxOutputDecimals) return false;
  value = static_cast<int>(typed);
  return true;
}

std::string PrecisionRefusal(const std::string& text) {
  return "¡ " + text + " no es un dato numérico o no está en valor absoluto !";
}

std::string DecimalsRefusal(const std::string& text) {
  return "¡ " + text + " no es un número de cifras decimales válido !";
}

}  // namespace ombrel
