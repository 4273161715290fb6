// Feeds arbitrary bytes to the matrix file reader and to the import of a
// system whose A, K and P are all that file. Any input must end in a clean
// result or a message: no crash, no sanitizer report, no hang.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/import_equations.h"
#include "model/matrix_file.h"
#include "model/network_state.h"
#include "ui/scripted_interaction.h"

namespace {

void RemoveInput();

// One file per process, rewritten for every input and removed at exit. The
// path is never destroyed, so the exit handler can still read it.
const std::string& InputPath() {
  static const std::string* const path = [] {
    const std::string name = "ombrel-matrix-fuzz-" + std::to_string(getpid()) + ".txt";
    auto* p = new std::string((std::filesystem::temp_directory_path() / name).string());
    std::atexit(RemoveInput);
    return p;
  }();
  return *path;
}

void RemoveInput() {
  std::error_code ec;
  std::filesystem::remove(InputPath(), ec);
}

void WriteInput(const uint8_t* data, size_t size) {
  std::ofstream out(InputPath(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ombrel;
  WriteInput(data, size);

  const Result<ImportedMatrix> record = ReadMatrixFile(InputPath());
  if (record && (record->values.Rows() != record->rows || record->values.Cols() != record->cols))
    __builtin_trap();  // the record must describe its own values

  ScriptedInteraction ui;
  NetworkState imported;
  imported.Import.MatrixInput = true;
  imported.Import.ImportFileA = imported.Import.ImportFileK = imported.Import.ImportFileP =
      InputPath();
  FormImportedEquations(imported, ui);
  return 0;
}
