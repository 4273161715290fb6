#include "support/validation_list.h"

#include <algorithm>
#include <filesystem>

#include "support/json_value.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

std::vector<ValidationNetwork> ValidationNetworks() {
  std::vector<ValidationNetwork> networks;
  for (const auto& entry : std::filesystem::directory_iterator(ValidationDir())) {
    if (!entry.is_directory()) continue;
    const JsonValue expected = JsonValue::Load((entry.path() / "expected.json").string());
    networks.push_back({entry.path().filename().string(), (entry.path() / "project.txt").string(),
                        expected["how_to_adjust"].String().rfind("free", 0) == 0});
  }
  std::sort(networks.begin(), networks.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return networks;
}

}  // namespace ombrel::testing
