#include "listing/file_error.h"

#include "listing/output_file.h"

namespace ombrel {
namespace {

std::string Describe(FileError::Kind kind, const std::string& path, const std::string& cause) {
  switch (kind) {
    case FileError::Kind::CannotWrite:
      if (!cause.empty()) return CannotWriteText(path, cause);
      return "No se puede escribir el fichero " + path + ".";
    case FileError::Kind::CannotRead:
      return "No se puede leer el fichero " + path + ".";
    case FileError::Kind::UnexpectedEnd:
      break;
  }
  return "El fichero " + path + " termina antes de lo esperado.";
}

}  // namespace

FileError::FileError(Kind kind, const std::string& path, const std::string& cause)
    : RunTimeError(Describe(kind, path, cause)), kind_(kind), path_(path) {}

}  // namespace ombrel
