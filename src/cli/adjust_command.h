// "compensar": loads a network and runs the adjustment command on it, with
// its prompts answered at the terminal or from an answers file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace ombrel {

// args excludes the program name and the command word. Returns the exit
// status: 0 ran to its end, 1 usage, 2 cancelled or abandoned, 3 the answers
// ran out.
int RunAdjustCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                     std::ostream& err, Terminals terminals);

inline constexpr int kExitAnswersExhausted = 3;

}  // namespace ombrel
