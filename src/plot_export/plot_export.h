// The drawing of the network saved as a picture file (SVG, PNG or PDF): the
// view as the graphics window shows it, its figures as smooth curves, and a
// legend below it that says what is drawn, how the figures are enlarged and
// what they mean, with a scale bar of the ground and a north arrow.
#pragma once

#include <string>

#include "model/network_state.h"
#include "plot/plot_view.h"

class QPainter;

namespace ombrel {

// The picture size the terminal draws the whole network at, in picture
// units (pixels of the SVG and PNG files).
inline constexpr int kExportPictureWidth = 1200;
inline constexpr int kExportPictureHeight = 850;

// Height of the legend below a picture of that width, in the same units.
double LegendHeight(const NetworkState& state, const PlotView& view);

// Paints the view's scene (figures as curves) in the top width x height
// units and the legend in the LegendHeight units below, on a white ground.
void PaintExportedPlot(QPainter& painter, const NetworkState& state, const PlotView& view);

// Writes the drawn view to path, its kind told by the extension (".svg",
// ".png", ".pdf", any letter case): SVG and PDF in picture units of 1/96
// inch, PNG at twice the picture size. Works without a display (see
// EnsureGuiApplication). Returns false, with the cause in Spanish in cause
// when given, when the name has no such extension, the view is not drawn
// or the file cannot be written.
bool WritePlotFile(const std::string& path, const NetworkState& state, const PlotView& view,
                   std::string* cause = nullptr);

}  // namespace ombrel
