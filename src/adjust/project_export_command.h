// "Archivo" › "Exportar proyecto...": the active network in GNU Gama's
// local-network XML input format (model/gama_xml.h).
#pragma once

#include <optional>
#include <string>

#include "adjust/command_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kDefaultProjectXml = "red.xml";

// Writes the XML of the state's project to path (UTF-8). nullopt when
// written, otherwise the cause of the failure.
std::optional<std::string> WriteProjectXml(const NetworkState& state, const std::string& path);

// Needs a project (not matrices); asks the file name (default "red.xml")
// as the DXF export does and writes it; a failed write is reported and the
// name asked again.
CommandOutcome ExportProjectCommand(const NetworkState& state, Interaction& ui);

}  // namespace ombrel
