// " Revisar " › "Buscar errores groseros": adjusts the active network once,
// ranks its observations by how much v^t P v would drop without each, and
// writes the ranking to a listing of its own.
#pragma once

#include <string>
#include <vector>

#include "adjust/blunder_finder.h"
#include "adjust/command_outcome.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kDefaultBlunderListing = "errores.tmp";

// What the desktop shows in its table once the command has completed.
struct BlunderReport {
  BlunderSearch search;
  std::vector<RowName> names;  // by row - 1
};

// The names of the rows: kind and points of each observation of a project,
// "fila" and the row number for imported matrices.
std::vector<RowName> RowNamesOf(const NetworkState& state, int rows);

// Asks Baarda's parameter and the listing's name (default "errores.tmp"),
// forms the equations of the project (without scale unknown or condition
// equations) or reads the imported matrices, adjusts them whatever their
// datum, writes the listing and ends with the question that opens it. The
// state keeps its network, its results and the name of the adjustment's
// listing (ListingFileName), which the exports still refuse to overwrite.
// A network without degrees of freedom, or a fault, is reported and
// abandons. report, when given, receives the search of a completed run.
CommandOutcome FindBlundersCommand(NetworkState& state, Interaction& ui,
                                   BlunderReport* report = nullptr);

}  // namespace ombrel
