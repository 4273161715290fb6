#include "cli/results_option.h"

#include <ostream>

#include "adjust/output_names.h"
#include "adjust/results_export_command.h"
#include "cli/cli_app.h"
#include "listing/number_format.h"
#include "listing/output_file.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

bool Take(std::vector<std::string>& args, const std::string& name, std::string& value,
          std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    if (i + 1 >= args.size()) {
      error = "Falta el valor de " + name + ".";
      return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
  }
  return true;
}

}  // namespace

bool ParseResultsOption(std::vector<std::string>& args, ResultsOption& option, std::string& error) {
  std::string factor;
  if (!Take(args, "--resultados", option.file, error) || !Take(args, "--ampliacion", factor, error))
    return false;
  if (!factor.empty()) {
    if (!IsTypedNumber(factor) || !(NumericValue(factor) > 0.0 && NumericValue(factor) <= 1000.0)) {
      error = "¡ " + factor + " no es un factor de ampliación válido ( 0 - 1000 ) !";
      return false;
    }
    option.magnification = NumericValue(factor);
  }
  // A factor with nothing to scale would be dropped without a word.
  if (option.file.empty() && !factor.empty()) {
    error = "¡ --ampliacion sólo se aplica con --resultados !";
    return false;
  }
  if (option.file.empty()) return true;
  const auto refusal = ResultsNameRefusal(option.file);
  if (refusal) error = *refusal;
  return !refusal;
}

int ExportResults(const NetworkState& state, const ResultsOption& option, int status,
                  std::ostream& err) {
  if (option.file.empty() || status != kExitOk) return status;
  std::optional<std::string> refusal = LateOutputRefusal(state, option.file);
  const AdjustmentResults* results = CurrentResults(state);
  if (!refusal && !results) refusal = kNoResults;
  if (!refusal)
    if (const auto cause = WriteResultsFile(*results, option.file, option.magnification))
      refusal = CannotWriteText(option.file, *cause);
  if (!refusal) return status;
  err << *refusal << '\n';
  return kExitStopped;
}

}  // namespace ombrel
