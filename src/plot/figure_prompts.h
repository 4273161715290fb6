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
// asks for the name again); "" when cancelled. A name that is one of the
// network's input files or that cannot be written is refused with its
// message and asked again.
std::string AskDxfFileName(const NetworkState& state, Interaction& ui);

// The button "Crear fichero DXF": asks the name and writes the drawing of
// the figures shown; a write that still fails (a full disk) shows "No se
// puede escribir el fichero <name>: <cause>." and asks again. Returns the
// file written, "" when cancelled.
std::string ExportDxf(const NetworkState& state, Interaction& ui, const FigureSelection& shown);

}  // namespace ombrel
