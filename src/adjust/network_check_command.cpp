#include "adjust/network_check_command.h"

#include "adjust/output_prompt.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

constexpr const char* kMethodPrompt =
    "\r\n    COMPROBACIÓN DE LA RED  \r\n\r\n"
    "    ¿ Con qué método va a compensar la red ?    ( 1 - 3 ) \r\n\r\n"
    "  1.- Con matriz Inversa \r\n"
    "  2.- Con la matriz ( E ) \r\n"
    "  3.- Con Pseudoinversa ";

// false when cancelled.
bool AskSettings(Interaction& ui, CheckSettings& settings) {
  for (;;) {
    const std::string answer = ui.InputBox(kMethodPrompt, kAppTitle, "1");
    if (answer.empty()) return false;
    if (answer == "1" || answer == "2" || answer == "3") {
      settings.method = answer == "1"   ? AdjustmentMethod::Inverse
                        : answer == "2" ? AdjustmentMethod::Constraints
                                        : AdjustmentMethod::Pseudoinverse;
      break;
    }
    RefuseWithBeep(ui, "¡ Número no válido !");
  }
  if (settings.method != AdjustmentMethod::Inverse) return true;
  const Answer scale = ui.MessageBox("¿ Desea agregar al cálculo el factor de escala ?",
                                     Buttons::YesNoCancel, Icon::Information, 2, kAppTitle);
  settings.scaleUnknown = scale == Answer::Yes;
  return scale != Answer::Cancel;
}

}  // namespace

std::string FindingsReport(const std::vector<Finding>& findings, const CheckSettings& settings) {
  if (findings.empty()) return CleanNetworkText(settings);
  std::vector<std::string> lines = {"Comprobación de la red para la " + MethodTitle(settings) + ":",
                                    ""};
  for (const Finding& f : findings) lines.push_back("- " + f.text);
  return JoinLines(lines);
}

CommandOutcome CheckNetworkCommand(const NetworkState& state, Interaction& ui) {
  if (!state.HasActiveProject()) {
    RefuseWithBeep(ui, "¡ No tiene ningún proyecto activo !");
    return CommandOutcome::Refused;
  }
  if (state.Import.MatrixInput) {
    RefuseWithBeep(ui, "¡ La comprobación necesita una red dada como proyecto !");
    return CommandOutcome::Refused;
  }
  CheckSettings settings;
  if (!AskSettings(ui, settings)) return CommandOutcome::Cancelled;
  const std::vector<Finding> findings = CheckActiveNetwork(state, settings);
  ui.MessageBox(FindingsReport(findings, settings), Buttons::Ok,
                findings.empty() ? Icon::Information : Icon::Exclamation, 1, kAppTitle);
  return CommandOutcome::Completed;
}

}  // namespace ombrel
