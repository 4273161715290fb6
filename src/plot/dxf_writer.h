// The DXF drawing of the network and of the figures shown, in ground
// metres: a header with the version and the code page, the table of the
// one text style, and an ENTITIES section of TEXT, LINE and POINT entities.
// Figures are enlarged 5000 times so that centimetre errors show at network
// scale.
#pragma once

#include <string>

#include "model/network_state.h"
#include "plot/figure_set.h"

namespace ombrel {

inline constexpr double kDxfFigureEnlargement = 5000.0;
inline constexpr double kDxfEllipseStep = 0.05;

// Shortest decimal text that reads back as the same double, "." as
// separator, no leading blank ("1234.5", "-12.25", "1e-05").
std::string DxfNumber(double value);

// The whole file, lines joined by CR LF.
std::string DxfText(const NetworkState& state, const FigureSelection& selection);

// Writes DxfText to path (created or emptied). False when it cannot be
// written, with the cause in *cause when given ("es una carpeta").
bool WriteDxfFile(const std::string& path, const NetworkState& state,
                  const FigureSelection& selection, std::string* cause = nullptr);

}  // namespace ombrel
