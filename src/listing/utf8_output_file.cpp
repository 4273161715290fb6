#include "listing/utf8_output_file.h"

#include "listing/output_file.h"

namespace ombrel {

std::optional<std::string> WriteUtf8OutputFile(const std::string& path, const std::string& text) {
  return WriteFileBytes(path, text, false);
}

}  // namespace ombrel
