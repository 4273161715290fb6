// A file that a computation cannot read or write. Like an arithmetic fault it
// abandons the running step; its text is the Spanish description shown to
// the user.
#pragma once

#include <string>

#include "numeric/run_time_error.h"

namespace ombrel {

class FileError : public RunTimeError {
 public:
  enum class Kind { CannotWrite, CannotRead, UnexpectedEnd };

  // cause, when known, says why ("es una carpeta"); the text then reads
  // "No se puede escribir el fichero <path>: <cause>.".
  FileError(Kind kind, const std::string& path, const std::string& cause = "");

  Kind kind() const { return kind_; }
  const std::string& path() const { return path_; }

 private:
  Kind kind_;
  std::string path_;
};

}  // namespace ombrel
