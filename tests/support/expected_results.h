// The independently computed results of a validation network
// (tests/data/validation/<name>/expected.json), read with nlohmann json.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"

namespace ombrel::testing {

// Throws nlohmann::json::exception when the file is missing or malformed.
inline nlohmann::json ExpectedResults(const std::string& network) {
  std::ifstream in(ValidationDir() + "/" + network + "/expected.json");
  return nlohmann::json::parse(in);
}

}  // namespace ombrel::testing
