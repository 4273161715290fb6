// Feeds arbitrary bytes to the project loader and, when they load, to the
// formation of equations: any input must end in a load, a message or a
// handled run-time error, never a crash or a hang.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/form_equations.h"
#include "model/project_file.h"
#include "numeric/run_time_error.h"
#include "ui/scripted_interaction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "ombrel-fuzz-project.txt").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ombrel::Result<ombrel::NetworkState> read = ombrel::ReadProjectFile({}, path);
  if (!read) return 0;
  ombrel::NetworkState state = std::move(*read);
  ombrel::ScriptedInteraction ui;
  state.Options.StudyApprox = size % 2 == 1;
  try {
    ombrel::DimensionProjectSystem(state);
    ombrel::FormEquations(state, ui);
  } catch (const ombrel::RunTimeError&) {
    // Coinciding points divide by zero: the driver reports it.
  }
  return 0;
}
