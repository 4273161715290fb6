#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/heap_pages.h"
#include "cli/picture_handover.h"

int main(int argc, char** argv) {
#ifndef OMBREL_PLOT_EXPORT
  ombrel::HandOverPictureRun(argv);
#endif
  ombrel::PlaceHeapOnHugePages();
  std::vector<std::string> args(argv + 1, argv + argc);
  return ombrel::RunCli(args, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
}
