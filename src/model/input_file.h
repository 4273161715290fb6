// Files the user names as input (project, coordinates and matrix files). Only
// a regular file of bounded size is read: a folder is not a file, a FIFO would
// block the program and a device such as /dev/zero would never end, so the
// type is looked at before anything is opened, and a huge file is refused
// instead of being loaded whole.
#pragma once

#include <cstdint>
#include <string>

#include "model/result.h"

namespace ombrel {

// Byte limit of the text inputs: a project holds at most 98 points and 99
// observations (about 11 kB as the editor writes it) and a coordinates file
// one short line per variable point (at most 16383 of them), so 4 MiB leaves
// room for any padding a person may add.
inline constexpr std::uintmax_t kMaxTextInputBytes = std::uintmax_t{4} << 20;

enum class InputStatus { Read, Missing, NotAFile, TooLarge, Unreadable };

struct InputFile {
  InputStatus status = InputStatus::Unreadable;
  std::string bytes;  // the whole file, as raw bytes, when status is Read
};

// Reads the regular file at path whole when it holds at most maxBytes bytes.
// A file that grows beyond the limit while it is read is TooLarge as well.
InputFile ReadInputFile(const std::string& path, std::uintmax_t maxBytes);

// The text of a regular input file of at most kMaxTextInputBytes, converted
// from Windows-1252 to UTF-8. The failure (information icon) says
// "¡ El fichero <path> no existe !", "¡ <path> no es un fichero !",
// "¡ El fichero <path> es demasiado grande !" or
// "¡ No se puede leer el fichero <path> !".
Result<std::string> ReadInputText(const std::string& path);

}  // namespace ombrel
