#include "listing/interrupted_run.h"

#include <algorithm>

#include "listing/output_file.h"

namespace ombrel {

std::string InterruptedLine(const std::string& reason) {
  std::string line = "    CÁLCULO INTERRUMPIDO:";
  std::size_t at = 0;
  while (at < reason.size()) {
    const std::size_t end = std::min(reason.find_first_of("\r\n", at), reason.size());
    const std::size_t first = reason.find_first_not_of(' ', at);
    if (first < end)
      line += " " + reason.substr(first, reason.find_last_not_of(' ', end - 1) + 1 - first);
    at = end + 1;
  }
  return line;
}

void EndInterruptedListing(const std::string& path, const std::string& reason) {
  WriteOutputFile(path, "\r\n" + InterruptedLine(reason) + "\r\n", true);
}

}  // namespace ombrel
