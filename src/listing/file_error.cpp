#include "listing/file_error.h"

namespace ombrel {
namespace {

std::string Describe(FileError::Kind kind, const std::string& path) {
  switch (kind) {
    case FileError::Kind::CannotWrite:
      return "No se puede escribir el fichero " + path + ".";
    case FileError::Kind::CannotRead:
      return "No se puede leer el fichero " + path + ".";
    case FileError::Kind::UnexpectedEnd:
      break;
  }
  return "El fichero " + path + " termina antes de lo esperado.";
}

}  // namespace

FileError::FileError(Kind kind, const std::string& path)
    : RunTimeError(Describe(kind, path)), kind_(kind), path_(path) {}

}  // namespace ombrel
