#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return ombrel::RunCli(args, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
}
