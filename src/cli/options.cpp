#include "cli/options.h"

#include <cmath>

#include "listing/number_format.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

// Removes "--name VALUE" from args; error when the value is missing.
bool TakeValue(std::vector<std::string>& args, const std::string& name,
               std::optional<std::string>& value, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    if (i + 1 >= args.size()) {
      error = "falta el valor de " + name;
      return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    return true;
  }
  return true;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

}  // namespace

bool ParseComputeOptions(std::vector<std::string>& args, ComputeOptions& options,
                         std::string& error) {
  std::optional<std::string> answers, transcript;
  if (!TakeValue(args, "--respuestas", answers, error) ||
      !TakeValue(args, "--transcripcion", transcript, error) ||
      !TakeValue(args, "--decimales", options.decimals, error) ||
      !TakeValue(args, "--precision", options.precision, error) ||
      !TakeValue(args, "--inversion", options.inversion, error))
    return false;
  options.answersFile = answers.value_or("");
  options.transcriptFile = transcript.value_or("");
  options.study = TakeFlag(args, "--analizar");
  options.checkInversion = TakeFlag(args, "--comprobar");
  return true;
}

bool ApplyComputeOptions(const ComputeOptions& options, NetworkState& state, std::string& error) {
  if (options.decimals) {
    const std::string& text = *options.decimals;
    const bool ok = text.find_first_of(".,-") == std::string::npos && IsTypedNumber(text) &&
                    NumericValue(text) <= kMaxOutputDecimals;
    if (!ok) {
      error = "¡ " + text + " no es un número de cifras decimales válido !";
      return false;
    }
    state.Options.OutputDecimals = static_cast<int>(std::lround(NumericValue(text)));
  }
  if (options.precision) {
    const std::string& text = *options.precision;
    const bool ok = IsTypedNumber(text) && NumericValue(text) != 0.0 &&
                    text.find_first_of(",-") == std::string::npos;
    if (!ok) {
      error = "¡ " + text + " no es un dato numérico o no está en valor absoluto !";
      return false;
    }
    state.Options.ApproxPrecision = NumericValue(text);
  }
  if (options.inversion) {
    const std::string& method = *options.inversion;
    if (method == "gauss")
      state.Options.Inversion = InversionMethod::GaussJordan;
    else if (method == "lu")
      state.Options.Inversion = InversionMethod::LU;
    else if (method == "cholesky")
      state.Options.Inversion = InversionMethod::Cholesky;
    else {
      error = "método de inversión desconocido: " + method;
      return false;
    }
  }
  state.Options.StudyApprox = options.study && !state.Import.MatrixInput;
  state.Options.CheckInversion = options.checkInversion;
  return true;
}

}  // namespace ombrel
