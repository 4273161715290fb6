// The formation of equations for a network given as matrix files: A, K, P
// and optionally E are read from ImportFileA, ImportFileK, ImportFileP and
// ImportFileE, checked for shape and content, and the network they imply
// (the variable points in pairs of columns plus two fixed points) is set.
#pragma once

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Sets Abandon when a file cannot be read or a check fails; the caller tests
// it right after the call. On success the project frame shows the import
// summary.
void FormImportedEquations(NetworkState& state, Interaction& ui);

}  // namespace ombrel
