// The project file: a header line, one line per point and one per
// observation, comma-separated fields in fixed columns, Windows-1252, CR LF.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "model/result.h"
#include "ui/interaction.h"

namespace ombrel {

// The network of the project at path: base with the points and observations
// of the file (the options and the condition equations of base stay),
// ProjectName and the three label texts set. The file is read whole first.
// When it cannot be used, the failure (information icon) says why:
// - no such file, not a regular file, beyond the size limit or unreadable:
//   the messages of ReadInputText (model/input_file.h);
// - fewer fields than announced, a coordinate, value or weight that is not
//   wholly a finite number, more than 98 points or 99 observations:
//   kProjectReadError;
// - a decimal comma: the field and its line are named;
// - a kind other than "fijo" or "vble", a vertex number given to two points,
//   a distance from a vertex to itself (ObservationVerticesFault):
//   kProjectReadError's first line and the line of the record at fault.
Result<NetworkState> ReadProjectFile(const NetworkState& base, const std::string& path);

// The reason ReadProjectFile would give for not loading the project at
// path; empty when it would load it.
std::string ProjectFileFault(const std::string& path);

// What makes the vertices of observation `equation` unusable, as the end of
// a sentence ("la ecuación 3 es una distancia del vértice 4 a sí mismo."):
// a vertex named twice, so that a direction is missing. back is
// kDistanceMarker for a distance. Empty when the vertices are usable.
std::string ObservationVerticesFault(int equation, int back, int station, int fore);

// The label texts of a loaded project.
std::string PointsLabelText(int numPoints, int numFixed);
std::string EquationsLabelText(int numObs);

// Enables every command that needs an active project.
void EnableProjectCommands(Interaction& ui);

inline constexpr const char* kProjectReadError =
    "¡ Se ha producido un error en la lectura de los elementos del fichero !\r\n\r\n"
    "Compruebe que los números que indican la cantidad de ecuaciones e incógnitas \r\n"
    "se corresponden realmente con éstas y analice otras incongruencias posibles. ";

}  // namespace ombrel
