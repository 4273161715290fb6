// "cargar": loads a network, forms its equations and prints the three texts
// of the project frame.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

struct NetworkSource {
  std::string project;                // --proyecto FICHERO
  std::vector<std::string> matrices;  // --matrices A K P [E]
  std::string coordinates;            // --coordenadas FICHERO, only with --matrices
};

// Loads the project or the matrix files into the state; for a project also
// dimensions and forms the equations; for matrices given with coordinates,
// sets them as the approximate-coordinates dialog does. Returns false when a
// message stopped it.
bool LoadNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source);

// Parses --proyecto / --matrices / starting at index `from`; the
// --coordenadas from args starting at index `from`; the remaining unknown
// options are left in `rest`. Returns false on a usage error.
bool ParseNetworkSource(const std::vector<std::string>& args, std::size_t from,
                        NetworkSource& source, std::vector<std::string>& rest);

}  // namespace ombrel
