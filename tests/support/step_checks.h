// Checks shared by the tests of the adjustment steps: the validation
// networks, the message box of a failed step and the text of a listing.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "ui/scripted_interaction.h"

namespace ombrel::testing {

// The project file of a validation network.
std::string ValidationProject(const std::string& name);

// The validation networks whose datum is given by fixed points, sorted.
std::vector<std::string> ConstrainedNetworks();

// A step that failed: the state is abandoned with `message`, shown once in
// an Ok box with the exclamation under the program's title.
void ExpectStepFailed(const NetworkState& s, const ScriptedInteraction& ui,
                      const std::string& message);

// No "nan" or "inf" in any letter case.
void ExpectNoNonFiniteText(const std::string& text);

// Index of the line equal to text; fails the test and gives lines.size()
// when there is none.
std::size_t LineIndex(const std::vector<std::string>& lines, const std::string& text);

bool Contains(const std::string& text, const std::string& part);

// The answers of a plain constrained run: no scale, no condition equations,
// Baarda 4.12, no hyperellipsoid, the listing, the output type, and No to
// viewing it.
ScriptedInteraction& PlainRun(ScriptedInteraction& ui, const std::string& listing,
                              OutputType type = OutputType::Full);

}  // namespace ombrel::testing
