#include "cli/adjust_command.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "adjust/adjustment_driver.h"
#include "adjust/output_names.h"
#include "cli/cli_app.h"
#include "cli/command_outcome_status.h"
#include "cli/load_command.h"
#include "cli/options.h"
#include "cli/plot_option.h"
#include "cli/results_option.h"
#include "listing/output_file.h"
#include "plot/dxf_writer.h"
#include "ui/terminal_interaction.h"

namespace ombrel {
namespace {

bool ParseMethod(std::vector<std::string>& args, AdjustmentMethod& method) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--metodo") continue;
    const std::string name = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    if (name == "inversa")
      method = AdjustmentMethod::Inverse;
    else if (name == "e")
      method = AdjustmentMethod::Constraints;
    else if (name == "pseudo")
      method = AdjustmentMethod::Pseudoinverse;
    else
      return false;
    return true;
  }
  return false;
}

// Takes "--dxf FICHERO" out of args; false when the name is missing.
bool ParseDxf(std::vector<std::string>& args, std::string& dxfFile, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--dxf") continue;
    if (i + 1 >= args.size()) {
      error = "Falta el nombre del fichero tras --dxf.";
      return false;
    }
    dxfFile = args[i + 1];
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
  }
  return true;
}

// The drawing that the graphics window exports with the absolute ellipses
// shown (without figures when the run computed none).
int ExportDxf(const NetworkState& state, const std::string& path, std::ostream& err) {
  FigureSelection shown;
  shown.absolute = state.Ellipses.Done;
  std::string cause;
  if (const auto refusal = LateOutputRefusal(state, path)) {
    err << *refusal << '\n';
    return kExitStopped;
  }
  if (WriteDxfFile(path, state, shown, &cause)) return kExitOk;
  err << CannotWriteText(path, cause) << '\n';
  return kExitStopped;
}

int Run(NetworkState& state, TerminalInteraction& ui, const NetworkSource& source,
        AdjustmentMethod method, std::ostream& err) {
  if (!ActivateNetwork(state, ui, source)) return kExitStopped;
  return ExitStatusFor(RunAdjustment(state, ui, method), err);
}

}  // namespace

int RunAdjustCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err, Terminals terminals) {
  ComputeOptions options;
  std::string error;
  AdjustmentMethod method = AdjustmentMethod::Inverse;
  NetworkSource source;
  std::vector<std::string> rest;
  std::string dxfFile, plotFile;
  ResultsOption results;
  if (!ParseComputeOptions(args, options, error) || !ParseDxf(args, dxfFile, error) ||
      !ParsePlotFile(args, plotFile, error) || !ParseResultsOption(args, results, error) ||
      !ParseMethod(args, method) || !ParseNetworkSource(args, 0, source, rest) || !rest.empty()) {
    err << (error.empty() ? "" : error + "\n") << kUsage;
    return kExitUsage;
  }
  // Matrices carry neither points nor observations to draw.
  if (!dxfFile.empty() && source.project.empty()) {
    err << "La opción --dxf necesita una red dada con --proyecto.\n";
    return kExitUsage;
  }
  if (!plotFile.empty() && source.project.empty() && source.coordinates.empty()) {
    err << "La opción --grafico necesita una red dada con --proyecto, o --coordenadas con "
           "--matrices.\n";
    return kExitUsage;
  }
  if (!results.file.empty() && source.project.empty()) {
    err << "La opción --resultados necesita una red dada con --proyecto.\n";
    return kExitUsage;
  }
  // The desktop disables the method for matrices given without E.
  if (method == AdjustmentMethod::Constraints && !source.matrices.empty() &&
      source.matrices.size() < 4) {
    err << "La opción --metodo e necesita la matriz E: --matrices A K P E.\n";
    return kExitUsage;
  }
  NetworkState state;
  if (!ApplyComputeOptions(options, state, error)) {
    err << error << '\n';
    return kExitUsage;
  }
  if (!CheckOutputOptions(state, options, source,
                          {options.transcriptFile, dxfFile, plotFile, results.file}, err))
    return kExitUsage;
  return RunWithAnswers(options, state, in, out, err, terminals, [&](TerminalInteraction& ui) {
    int status = Run(state, ui, source, method, err);
    if (status == kExitOk && !dxfFile.empty()) status = ExportDxf(state, dxfFile, err);
    if (status == kExitOk && !plotFile.empty()) status = ExportPlot(state, plotFile, err);
    return ExportResults(state, results, status, err);
  });
}

}  // namespace ombrel
