// The terminal's commands beside the adjustment: "errores" (the blunder
// finder).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ombrel {

// args exclude the program name and the command word; exit statuses as
// RunAdjustCommand.

// errores (--proyecto F | --matrices A K P [E]) [--respuestas F]
// [--transcripcion F]: the prompts of the blunder finder, answered as for
// "compensar".
int RunBlunderCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                      std::ostream& err, bool terminal);

}  // namespace ombrel
