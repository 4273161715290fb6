// Comparison of two networks as a project load leaves them.
#pragma once

#include <string>

#include "model/network_state.h"

namespace ombrel::testing {

// Expects every value that a load of a project sets to be equal; name goes
// into the failure messages.
void ExpectSameNetwork(const NetworkState& a, const NetworkState& b, const std::string& name);

}  // namespace ombrel::testing
