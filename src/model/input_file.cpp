#include "model/input_file.h"

#include <filesystem>
#include <fstream>

#include "model/text_file.h"

namespace ombrel {
namespace {

InputStatus CheckType(const std::string& path, std::uintmax_t maxBytes) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return InputStatus::Missing;
  if (ec) return InputStatus::Unreadable;
  if (status.type() != std::filesystem::file_type::regular) return InputStatus::NotAFile;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return InputStatus::Unreadable;
  return size > maxBytes ? InputStatus::TooLarge : InputStatus::Read;
}

}  // namespace

InputFile ReadInputFile(const std::string& path, std::uintmax_t maxBytes) {
  InputFile input{CheckType(path, maxBytes), {}};
  if (input.status != InputStatus::Read) return input;
  std::ifstream file(path, std::ios::binary);
  if (!file) return {InputStatus::Unreadable, {}};
  char buffer[1 << 16];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    input.bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (input.bytes.size() > maxBytes) return {InputStatus::TooLarge, {}};
  }
  if (file.bad()) return {InputStatus::Unreadable, {}};
  return input;
}

Result<std::string> ReadInputText(const std::string& path) {
  InputFile input = ReadInputFile(path, kMaxTextInputBytes);
  switch (input.status) {
    case InputStatus::Read:
      return Cp1252ToUtf8(input.bytes);
    case InputStatus::Missing:
      return Failure{"¡ El fichero " + path + " no existe !"};
    case InputStatus::NotAFile:
      return Failure{"¡ " + path + " no es un fichero !"};
    case InputStatus::TooLarge:
      return Failure{"¡ El fichero " + path + " es demasiado grande !"};
    case InputStatus::Unreadable:
      break;
  }
  return Failure{"¡ No se puede leer el fichero " + path + " !"};
}

}  // namespace ombrel
