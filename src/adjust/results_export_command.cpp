#include "adjust/results_export_command.h"

#include <algorithm>
#include <cctype>

#include "adjust/output_prompt.h"
#include "listing/output_file.h"
#include "listing/utf8_output_file.h"

namespace ombrel {
namespace {

bool EndsWith(std::string name, const std::string& ending) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name.size() >= ending.size() &&
         name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsCsv(const std::string& name) {
  return EndsWith(name, ".csv");
}

}  // namespace

std::optional<std::string> ResultsNameRefusal(const std::string& name) {
  if (IsCsv(name) || EndsWith(name, ".geojson") || EndsWith(name, ".json")) return std::nullopt;
  return "¡ El nombre del fichero de resultados debe terminar en .csv o en .geojson !";
}

const AdjustmentResults* CurrentResults(const NetworkState& state) {
  if (!state.LastResults || state.Import.MatrixInput || !state.HasActiveProject()) return nullptr;
  if (!(state.LastResults->network == PlainNetworkOf(state))) return nullptr;
  return state.LastResults.get();
}

std::optional<std::string> WriteResultsFile(const AdjustmentResults& results,
                                            const std::string& path, double magnification) {
  return WriteUtf8OutputFile(
      path, IsCsv(path) ? ResultsCsv(results) : ResultsGeoJson(results, magnification));
}

CommandOutcome ExportResultsCommand(const NetworkState& state, Interaction& ui) {
  const AdjustmentResults* results = CurrentResults(state);
  if (!results) {
    RefuseWithBeep(ui, kNoResults);
    return CommandOutcome::Refused;
  }
  for (;;) {
    const std::string name = AskOutputFileName(state, ui, "EXPORTAR RESULTADOS",
                                               kDefaultResultsFile, ResultsNameRefusal);
    if (name.empty()) return CommandOutcome::Cancelled;
    const auto failure = WriteResultsFile(*results, name, state.Options.EllipseFactor);
    if (!failure) return CommandOutcome::Completed;
    ui.MessageBox(CannotWriteText(name, *failure), Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  }
}

}  // namespace ombrel
