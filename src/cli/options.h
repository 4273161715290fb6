// Command-line options shared by the computing commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

struct ComputeOptions {
  std::string answersFile;               // --respuestas
  std::string transcriptFile;            // --transcripcion
  std::optional<std::string> decimals;   // --decimales N
  std::optional<std::string> precision;  // --precision METROS
  bool study = false;                    // --analizar
  std::optional<std::string> inversion;  // --inversion gauss|lu|cholesky
  bool checkInversion = false;           // --comprobar
};

// Takes the options it knows out of args (which keeps the rest). Returns
// false with a message in error when one is malformed.
bool ParseComputeOptions(std::vector<std::string>& args, ComputeOptions& options,
                         std::string& error);

// Applies the options to the state, validated as the options dialog does.
// Returns false with the dialog's message in error when a value is refused.
bool ApplyComputeOptions(const ComputeOptions& options, NetworkState& state, std::string& error);

}  // namespace ombrel
