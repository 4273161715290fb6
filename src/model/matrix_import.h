// The import of a network given as matrix files, as the import dialog runs
// it: the files named, the network marked as imported, the equations formed
// from the files, and afterwards the commands such a network offers.
#pragma once

#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

struct MatrixFileNames {
  std::string a, k, p, e;  // e empty: no matrix of constraints
};

// Names the files, sets MatrixInput and ImportWithE and forms the equations
// from the files; the caller tests Abandon.
void ImportMatrixFiles(NetworkState& state, Interaction& ui, const MatrixFileNames& files);

// After an import: no review (the imported network has no project lines),
// the plot and the designs on, the adjustments on unless the import was
// abandoned, and the adjustment with E only for a usable E file.
void EnableImportedCommands(const NetworkState& state, Interaction& ui);

}  // namespace ombrel
