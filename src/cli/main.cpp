#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/heap_pages.h"
#include "cli/interrupt_handler.h"
#include "cli/picture_handover.h"

int main(int argc, char** argv) {
#ifndef OMBREL_PLOT_EXPORT
  ombrel::HandOverPictureRun(argv);
#endif
  ombrel::PlaceHeapOnHugePages();
  ombrel::StopOnInterrupt();
  std::vector<std::string> args(argv + 1, argv + argc);
  return ombrel::RunCli(args, std::cin, std::cout, std::cerr,
                        {isatty(STDIN_FILENO) != 0, isatty(STDERR_FILENO) != 0});
}
