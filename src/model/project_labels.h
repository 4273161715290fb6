// The three texts of the main window's project frame live in the state; the
// interaction layer shows them wherever the front end has a window for them.
#pragma once

#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

void SetLabels(NetworkState& state, Interaction& ui, const std::string& project,
               const std::string& points, const std::string& equations);

// A number as inserted in prompts and labels: a leading blank for a
// non-negative value (the sign position), e.g. " 3", "-2".
std::string SignedText(long value);

}  // namespace ombrel
