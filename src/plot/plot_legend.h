// The legend of an exported drawing: what is drawn, how much the figures
// are enlarged, what they mean (standard figures, with the unit variance
// that scaled them), and a scale bar of the ground.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "plot/plot_view.h"

namespace ombrel {

struct PlotLegend {
  std::vector<std::string> lines;  // Spanish, in order, without line ends
  double barMetres = 0.0;          // ground length of the scale bar (> 0)
  std::string barLabel;            // its text: "200 m", "0.5 m", "2 km"
};

// The largest length of 1, 2 or 5 times a power of ten not above maxLength
// (> 0, finite).
double RoundLength(double maxLength);

// The text of a ground length as the scale bar shows it: metres, or
// kilometres from 1 km on ("0.05 m", "20 m", "2 km").
std::string GroundLengthText(double metres);

// The legend of the view (drawn, with its picture size) of the state's
// network. The scale bar is at most maxBarLength picture units long (> 0).
PlotLegend BuildPlotLegend(const NetworkState& state, const PlotView& view, double maxBarLength);

}  // namespace ombrel
