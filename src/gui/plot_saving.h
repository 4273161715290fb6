// "Guardar gráfico...": the drawing of the graphics window as an SVG, PNG or
// PDF file, with its legend.
#pragma once

#include "gui/qt_interaction.h"
#include "model/network_state.h"
#include "plot/plot_view.h"

namespace ombrel {

// Asks for the file name until one is written or the person cancels. A name
// without the extension .svg, .png or .pdf, one of the run's input files or
// its listing, or a file that cannot be written is refused with its message
// and asked again; an existing file is replaced only after Yes to "Fichero
// ya existe.  ¿ Sobrescribir ? ". Returns the file written, "" when
// cancelled.
std::string SavePlotPicture(const NetworkState& state, QtInteraction& ui, const PlotView& view);

}  // namespace ombrel
