#include "support/validation_list.h"

#include <algorithm>
#include <filesystem>

#include "support/expected_results.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

std::vector<ValidationNetwork> ValidationNetworks() {
  std::vector<ValidationNetwork> networks;
  for (const auto& entry : std::filesystem::directory_iterator(ValidationDir())) {
    if (!entry.is_directory()) continue;
    const std::string name = entry.path().filename().string();
    const std::string how = ExpectedResults(name)["how_to_adjust"];
    networks.push_back({name, (entry.path() / "project.txt").string(), how.rfind("free", 0) == 0});
  }
  std::sort(networks.begin(), networks.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  return networks;
}

}  // namespace ombrel::testing
