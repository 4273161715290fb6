#include "listing/utf8_output_file.h"

#include <cerrno>
#include <cstdio>

#include "listing/output_file.h"

namespace ombrel {

std::optional<std::string> WriteUtf8OutputFile(const std::string& path, const std::string& text) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return WriteFailureCause(errno);
  bool failed = std::fwrite(text.data(), 1, text.size(), file) != text.size();
  int failure = failed ? errno : 0;
  // A full disk often shows only when the buffer is written out at the close.
  if (std::fclose(file) != 0 && !failed) {
    failed = true;
    failure = errno;
  }
  if (!failed) return std::nullopt;
  return WriteFailureCause(failure);
}

}  // namespace ombrel
