#include "cli/load_command.h"

#include "model/form_equations.h"
#include "model/project_file.h"
#include "numeric/run_time_error.h"

namespace ombrel {

bool ParseNetworkSource(const std::vector<std::string>& args, std::size_t from,
                        NetworkSource& source, std::vector<std::string>& rest) {
  for (std::size_t i = from; i < args.size(); ++i) {
    if (args[i] == "--proyecto" && i + 1 < args.size() && source.project.empty()) {
      source.project = args[++i];
    } else if (args[i] == "--matrices" && source.matrices.empty()) {
      while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0 && source.matrices.size() < 4)
        source.matrices.push_back(args[++i]);
      if (source.matrices.size() < 3) return false;
    } else {
      rest.push_back(args[i]);
    }
  }
  return source.project.empty() != source.matrices.empty();
}

static void StartImport(NetworkState& state, const std::vector<std::string>& files) {
  state.MatrixInput = true;
  state.ImportFileA = files[0];
  state.ImportFileK = files[1];
  state.ImportFileP = files[2];
  state.ImportWithE = files.size() == 4;
  state.ImportFileE = state.ImportWithE ? files[3] : "";
}

bool LoadNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source) {
  state.Abandon = false;
  try {
    if (!source.project.empty()) {
      if (!LoadProjectFile(state, ui, source.project)) return false;
      state.MatrixInput = false;
      DimensionProjectSystem(state);
    } else {
      StartImport(state, source.matrices);
    }
    FormEquations(state, ui);
  } catch (const RunTimeError&) {
    ui.MessageBox("¡ Se ha producido un error en el cálculo !", Buttons::Ok, Icon::Exclamation, 1,
                  kAppTitle);
    state.Abandon = true;
  }
  return !state.Abandon;
}

}  // namespace ombrel
