#include "adjust/project_export_command.h"

#include "adjust/output_prompt.h"
#include "listing/output_file.h"
#include "listing/utf8_output_file.h"
#include "model/gama_xml.h"
#include "model/plain_network.h"

namespace ombrel {

std::optional<std::string> WriteProjectXml(const NetworkState& state, const std::string& path) {
  const std::string description =
      "Red " + state.ProjectName +
      " exportada por Ombrel. Coordenadas planas locales (x este, y norte) en metros, ángulos "
      "en gon; desviaciones típicas de los pesos del proyecto: sigma = sigma-apr / raíz(peso).";
  return WriteUtf8OutputFile(path, GamaLocalXml(PlainNetworkOf(state), description));
}

CommandOutcome ExportProjectCommand(const NetworkState& state, Interaction& ui) {
  if (!state.HasActiveProject()) {
    RefuseWithBeep(ui, "¡ No tiene ningún proyecto activo !");
    return CommandOutcome::Refused;
  }
  if (state.Import.MatrixInput) {
    RefuseWithBeep(ui,
                   "¡ Una red dada por sus matrices no tiene puntos ni observaciones que "
                   "exportar !");
    return CommandOutcome::Refused;
  }
  for (;;) {
    const std::string name = AskOutputFileName(state, ui, "EXPORTAR PROYECTO", kDefaultProjectXml);
    if (name.empty()) return CommandOutcome::Cancelled;
    const auto failure = WriteProjectXml(state, name);
    if (!failure) return CommandOutcome::Completed;
    ui.MessageBox(CannotWriteText(name, *failure), Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  }
}

}  // namespace ombrel
