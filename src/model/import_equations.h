// The formation of equations for a network given as matrix files: A, K, P
// and optionally E are read from ImportFileA, ImportFileK, ImportFileP and
// ImportFileE, checked for shape and content, and the network they imply
// (the variable points in pairs of columns plus two fixed points) is set.
#pragma once

#include <optional>

#include "model/network_state.h"
#include "model/result.h"
#include "ui/interaction.h"

namespace ombrel {

// What reading the matrix files found besides the system itself.
struct ImportReading {
  std::optional<Failure> failure;    // why the system cannot be used
  bool fileOpened = false;           // a file was opened, so the project is no longer shown
  bool constraintsUnusable = false;  // E does not fit A: no adjustment with E
};

// Reads A, K, P and, with ImportWithE, E into the equation system and the
// import record, checks their shapes and contents, and on success sets the
// network they imply. A file that cannot be read clears MatrixInput. Shows
// nothing.
ImportReading ReadImportedEquations(NetworkState& state);

// The import as a step of a command: reads, then shows the project frame
// (cleared once a file is open, the import summary on success) or the
// refusal, setting Abandon, which the caller tests right after the call.
void FormImportedEquations(NetworkState& state, Interaction& ui);

}  // namespace ombrel
