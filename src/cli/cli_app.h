// The terminal front end: parses the command line and runs one command.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ombrel {

// Exit statuses: 0 done, 1 usage error, 2 the computation stopped with a message.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitStopped = 2;

// args excludes the program name. Questions are answered from `in`; results
// go to `out`, messages (with their title) and usage to `err`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace ombrel
