#include "cli/command_outcome_status.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "adjust/open_project_command.h"
#include "adjust/output_names.h"
#include "adjust/run_time_message.h"
#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "listing/output_file.h"

namespace ombrel {

bool ActivateNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source) {
  if (!source.project.empty()) return LoadProjectFile(state, ui, source.project);
  return LoadNetwork(state, ui, source);
}

int ExitStatusFor(CommandOutcome outcome, std::ostream& err) {
  switch (outcome) {
    case CommandOutcome::Completed:
      return kExitOk;
    case CommandOutcome::Cancelled:
      err << "Orden cancelada.\n";
      return kExitStopped;
    case CommandOutcome::Refused:
    case CommandOutcome::Abandoned:
      return kExitStopped;
  }
  return kExitStopped;
}

bool CheckOutputOptions(NetworkState& state, const ComputeOptions& options,
                        const NetworkSource& source, const std::vector<std::string>& outputs,
                        std::ostream& err) {
  for (const std::string& file : {options.answersFile, source.coordinates})
    if (!file.empty()) state.FrontEndInputFiles.push_back(file);
  std::vector<std::string> inputs = source.matrices;
  inputs.push_back(source.project);
  inputs.insert(inputs.end(), state.FrontEndInputFiles.begin(), state.FrontEndInputFiles.end());
  for (const std::string& name : outputs) {
    if (name.empty()) continue;
    std::optional<std::string> refusal = InputFileRefusal(inputs, name);
    if (!refusal)
      if (const auto cause = OutputFileProblem(name)) refusal = CannotWriteText(name, *cause);
    if (refusal) {
      err << *refusal << '\n';
      return false;
    }
  }
  return true;
}

// The transcript, unless it would replace an input or the listing of the run.
static int WriteTranscript(const NetworkState& state, const std::string& path,
                           const std::string& text, std::ostream& err, int status) {
  std::optional<std::string> refusal = LateOutputRefusal(state, path);
  if (!refusal)
    if (const auto cause = WriteOutputFile(path, text, false))
      refusal = CannotWriteText(path, *cause);
  if (!refusal) return status;
  err << *refusal << '\n';
  return status == kExitOk ? kExitStopped : status;
}

int RunWithAnswers(const ComputeOptions& options, const NetworkState& state, std::istream& in,
                   std::ostream& out, std::ostream& err, Terminals terminals,
                   const std::function<int(TerminalInteraction&)>& body) {
  std::ifstream answersFile;
  if (!options.answersFile.empty()) {
    answersFile.open(options.answersFile, std::ios::binary);
    if (!answersFile) {
      err << "No se puede leer el fichero de respuestas " << options.answersFile << ".\n";
      return kExitUsage;
    }
  }
  const bool interactive = options.answersFile.empty() && terminals.input;
  TerminalInteraction ui(options.answersFile.empty() ? in : answersFile, out, err, interactive);
  ui.ShowProgress(terminals.errors);
  std::ostringstream transcript;
  if (!options.transcriptFile.empty()) ui.SetTranscript(&transcript);
  int status;
  try {
    status = body(ui);
  } catch (const AnswersExhausted& e) {
    err << "Faltan respuestas: " << e.what() << ".\n";
    status = kExitAnswersExhausted;
  } catch (const RunTimeError& error) {
    // A fault outside the computations' own handlers ends the command, not the program.
    ui.MessageBox(CalculationErrorMessage(error), Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
    status = kExitStopped;
  } catch (const ComputationStopped& stop) {
    // Stopped at a prompt before the computation had begun.
    ui.MessageBox(stop.what(), Buttons::Ok, Icon::Information, 1, kAppTitle);
    status = kExitStopped;
  }
  if (!options.transcriptFile.empty())
    status = WriteTranscript(state, options.transcriptFile, transcript.str(), err, status);
  return status;
}

int RunOnNetwork(std::vector<std::string> args, std::istream& in, std::ostream& out,
                 std::ostream& err, Terminals terminals,
                 const std::function<bool(std::vector<std::string>&)>& ownOptions,
                 const std::function<CommandOutcome(NetworkState&, Interaction&)>& command) {
  ComputeOptions options;
  std::string error;
  NetworkSource source;
  std::vector<std::string> rest;
  if (!ParseComputeOptions(args, options, error) || !ownOptions(args) ||
      !ParseNetworkSource(args, 0, source, rest) || !rest.empty()) {
    err << (error.empty() ? "" : error + "\n") << kUsage;
    return kExitUsage;
  }
  NetworkState state;
  if (!ApplyComputeOptions(options, state, error)) {
    err << error << '\n';
    return kExitUsage;
  }
  if (!CheckOutputOptions(state, options, source, {options.transcriptFile}, err)) return kExitUsage;
  return RunWithAnswers(options, state, in, out, err, terminals, [&](TerminalInteraction& ui) {
    if (!ActivateNetwork(state, ui, source)) return kExitStopped;
    return ExitStatusFor(command(state, ui), err);
  });
}

}  // namespace ombrel
