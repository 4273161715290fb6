// The validation networks of tests/data/validation, by name.
#pragma once

#include <string>
#include <vector>

namespace ombrel::testing {

struct ValidationNetwork {
  std::string name;
  std::string project;  // path of project.txt
  bool free = false;    // free by design (adjusted with E or the pseudoinverse)
};

// Every network, in name order.
std::vector<ValidationNetwork> ValidationNetworks();

}  // namespace ombrel::testing
