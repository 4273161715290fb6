#include "listing/output_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "model/text_file.h"

namespace ombrel {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (std::filesystem::exists(a, error) && std::filesystem::exists(b, error))
    return std::filesystem::equivalent(a, b, error);
  const auto canonical = [](const std::string& path) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
  };
  return canonical(a) == canonical(b);
}

std::string WriteFailureCause(int errorNumber) {
  switch (errorNumber) {
    case EISDIR:
      return "es una carpeta";
    case ENOENT:
      return "la carpeta no existe";
    case ENOTDIR:
      return "una parte del nombre no es una carpeta";
    case EACCES:
    case EPERM:
      return "no hay permiso para escribir en él";
    case EROFS:
      return "el disco es de solo lectura";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "no queda espacio en el disco";
    case EFBIG:
      return "el fichero es demasiado grande";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    default:
      return "error del sistema número " + std::to_string(errorNumber);
  }
}

std::string CannotWriteText(const std::string& path, const std::string& cause) {
  return "No se puede escribir el fichero " + path + ": " + cause + ".";
}

std::optional<std::string> WriteFileBytes(const std::string& path, std::string_view bytes,
                                          bool append) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file == nullptr) return WriteFailureCause(errno);
  bool failed = std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size();
  int failure = failed ? errno : 0;
  // A full disk often shows only when the buffer is written out at the close.
  if (std::fclose(file) != 0 && !failed) {
    failed = true;
    failure = errno;
  }
  if (!failed) return std::nullopt;
  return WriteFailureCause(failure);
}

std::optional<std::string> WriteOutputFile(const std::string& path, const std::string& text,
                                           bool append) {
  return WriteFileBytes(path, Utf8ToCp1252(text), append);
}

std::optional<std::string> OutputFileProblem(const std::string& path) {
  std::error_code error;
  const bool existed = std::filesystem::exists(path, error);
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return WriteFailureCause(errno);
  std::fclose(file);
  if (!existed) std::filesystem::remove(path, error);
  return std::nullopt;
}

}  // namespace ombrel
