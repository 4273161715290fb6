#include "cli/command_outcome_status.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "model/project_file.h"
#include "model/text_file.h"

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

int RunWithAnswers(const ComputeOptions& options, std::istream& in, std::ostream& out,
                   std::ostream& err, bool terminal,
                   const std::function<int(TerminalInteraction&)>& body) {
  std::ifstream answersFile;
  if (!options.answersFile.empty()) {
    answersFile.open(options.answersFile, std::ios::binary);
    if (!answersFile) {
      err << "No se puede leer el fichero de respuestas " << options.answersFile << ".\n";
      return kExitUsage;
    }
  }
  const bool interactive = options.answersFile.empty() && terminal;
  TerminalInteraction ui(options.answersFile.empty() ? in : answersFile, out, err, interactive);
  std::ostringstream transcript;
  if (!options.transcriptFile.empty()) ui.SetTranscript(&transcript);
  int status;
  try {
    status = body(ui);
  } catch (const AnswersExhausted& e) {
    err << "Faltan respuestas: " << e.what() << ".\n";
    status = kExitAnswersExhausted;
  }
  if (!options.transcriptFile.empty() && !WriteTextFile(options.transcriptFile, transcript.str())) {
    err << "No se puede escribir el fichero " << options.transcriptFile << ".\n";
    if (status == kExitOk) status = kExitStopped;
  }
  return status;
}

}  // namespace ombrel
