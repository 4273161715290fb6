// "Archivo" › "Exportar resultados...": the results of the last adjustment
// of the active network as a CSV or a GeoJSON file, the kind chosen by the
// file name's ending.
#pragma once

#include <optional>
#include <string>

#include "adjust/command_outcome.h"
#include "adjust/results_export.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kDefaultResultsFile = "resultados.csv";
inline constexpr const char* kNoResults =
    "¡ No hay resultados de una compensación de la red activa !\r\n\r\n"
    "Compense la red y exporte después sus resultados.";

// Why name cannot hold results: it must end in ".csv", ".geojson" or
// ".json" (any case). nullopt when it can.
std::optional<std::string> ResultsNameRefusal(const std::string& name);

// The results of the last adjustment when they are those of the active
// network as it stands (LastResults of the same points and observations);
// nullptr otherwise.
const AdjustmentResults* CurrentResults(const NetworkState& state);

// Writes the CSV or GeoJSON text (by the name's ending) to path; the
// GeoJSON ellipses magnified by magnification. nullopt when written,
// otherwise the cause of the failure.
std::optional<std::string> WriteResultsFile(const AdjustmentResults& results,
                                            const std::string& path, double magnification);

// The command: refuses without current results (kNoResults), asks the file
// name (default "resultados.csv") as the DXF export does, and writes it with
// the ellipse factor of the graphics window (EllipseFactor); a failed write
// is reported and the name asked again.
CommandOutcome ExportResultsCommand(const NetworkState& state, Interaction& ui);

}  // namespace ombrel
