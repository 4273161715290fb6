// "--grafico FICHERO" of "compensar": the whole network with the absolute
// ellipses of the run as a picture file (SVG, PNG or PDF, by its extension),
// drawn as the graphics window draws its full view, with its legend.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

// Takes "--grafico FICHERO" out of args. False, with the message in error,
// when the name is missing or does not end in .svg, .png or .pdf.
bool ParsePlotFile(std::vector<std::string>& args, std::string& plotFile, std::string& error);

// Writes the drawing of the state's network after a completed run. Returns
// kExitOk, or kExitStopped with the message on err: a name that is one of
// the run's inputs or its listing, a file that cannot be written, or a
// program built without Qt, which cannot draw.
int ExportPlot(const NetworkState& state, const std::string& path, std::ostream& err);

}  // namespace ombrel
