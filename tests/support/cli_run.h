// Runs of ombrel-cli in process, for the tests of its commands (the test
// executable links the command-line library; the test support does not).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace ombrel::testing {

struct CliRun {
  int status;
  std::string out, err;
};

// The command line after the program's name; `answers` is standard input.
inline CliRun RunCliInProcess(const std::vector<std::string>& args,
                              const std::string& answers = "") {
  std::istringstream in(answers);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace ombrel::testing
