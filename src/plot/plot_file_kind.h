// The kinds of picture file a drawing of the network is saved as, told by
// the file name's extension.
#pragma once

#include <optional>
#include <string>

namespace ombrel {

enum class PlotFileKind { Svg, Png, Pdf };

inline constexpr const char* kPlotFileKindRefusal =
    "¡ El gráfico se guarda en un fichero .svg, .png o .pdf: indique el nombre con una de estas "
    "extensiones !";

// ".svg", ".png" or ".pdf" in any letter case; nullopt for any other name.
std::optional<PlotFileKind> PlotFileKindOf(const std::string& name);

}  // namespace ombrel
