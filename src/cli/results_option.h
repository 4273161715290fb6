// "compensar … --resultados FICHERO.csv|FICHERO.geojson [--ampliacion F]":
// the results of the adjustment written for spreadsheets and GIS once it has
// completed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

struct ResultsOption {
  std::string file;            // empty: no results file
  double magnification = 1.0;  // of the GeoJSON ellipses, (0, 1000]
};

// Takes the two options out of args and checks them: the name's ending and
// the factor as the graphics window accepts it. false with the message in
// error.
bool ParseResultsOption(std::vector<std::string>& args, ResultsOption& option, std::string& error);

// Writes the results of the adjustment that has just completed, unless the
// file is one of the run's inputs or its listing. Returns status, or 2 with
// the message on err when the file cannot be written.
int ExportResults(const NetworkState& state, const ResultsOption& option, int status,
                  std::ostream& err);

}  // namespace ombrel
