// The questions of the graphics window's figure commands, each asked again
// after a beep and a message until the answer is valid or empty.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "model/network_state.h"
#include "plot/figure_set.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kInvalidCharacters = "¡ Algún carácter no válido !";
inline constexpr const char* kDefaultDxfFile = "red.dxf";

// "Elipses relativas": two different vertex numbers of ellipse items, as
// typed; nullopt when cancelled.
std::optional<std::pair<int, int>> AskRelativePair(const NetworkState& state, Interaction& ui);

// Rosettes, sections and projections of the semi-axes (kind selects the
// prompt): two different coordinate unknowns 1..m', smaller first; nullopt
// when cancelled.
std::optional<std::pair<int, int>> AskUnknownPair(const NetworkState& state, Interaction& ui,
                                                  FigureKind kind);

// "Escala elipses": a factor in (0, 1000] for EllipseFactor. False, with
// the factor unchanged, when cancelled.
bool AskEllipseFactor(NetworkState& state, Interaction& ui);

// "Crear fichero DXF": the file name, confirmed when the file exists (No
// asks for the name again); "" when cancelled.
std::string AskDxfFileName(Interaction& ui);

}  // namespace ombrel
