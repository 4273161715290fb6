#include "cli/load_command.h"

#include "adjust/open_project_command.h"
#include "model/approximate_coordinates.h"
#include "model/form_equations.h"
#include "model/input_file.h"
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
    } else if (args[i] == "--coordenadas") {
      if (i + 1 == args.size() || !source.coordinates.empty()) return false;
      source.coordinates = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  if (!source.coordinates.empty() && source.matrices.empty()) return false;
  return source.project.empty() != source.matrices.empty();
}

static void StartImport(NetworkState& state, const std::vector<std::string>& files) {
  state.Import.MatrixInput = true;
  state.Import.ImportFileA = files[0];
  state.Import.ImportFileK = files[1];
  state.Import.ImportFileP = files[2];
  state.Import.ImportWithE = files.size() == 4;
  state.Import.ImportFileE = state.Import.ImportWithE ? files[3] : "";
}

static void Refuse(NetworkState& state, Interaction& ui, const std::string& text) {
  ui.MessageBox(text, Buttons::Ok, Icon::Exclamation, 1, kAppTitle);
  state.Abandon = true;
}

// The coordinates file stands for what a person types in the
// approximate-coordinates dialog after the import.
static void GiveCoordinates(NetworkState& state, Interaction& ui, const std::string& path) {
  const Result<std::string> text = ReadInputText(path);
  if (!text) return Refuse(state, ui, text.error().message);
  const auto points = ReadApproxCoordinates(*text, state.Import.ImportA.cols / 2);
  if (!points)
    return Refuse(
        state, ui,
        "¡ Coordenadas aproximadas no válidas en " + path + ", " + points.error().message + " !");
  ApplyApproxCoordinates(state, *points);
}

bool LoadNetwork(NetworkState& state, Interaction& ui, const NetworkSource& source) {
  state.Abandon = false;
  try {
    if (!source.project.empty()) {
      if (!LoadProjectFile(state, ui, source.project)) return false;
      state.Import.MatrixInput = false;
      DimensionProjectSystem(state);
    } else {
      StartImport(state, source.matrices);
    }
    FormEquations(state, ui);
    if (!state.Abandon && !source.coordinates.empty())
      GiveCoordinates(state, ui, source.coordinates);
  } catch (const RunTimeError&) {
    ui.MessageBox("¡ Se ha producido un error en el cálculo !", Buttons::Ok, Icon::Exclamation, 1,
                  kAppTitle);
    state.Abandon = true;
  }
  return !state.Abandon;
}

}  // namespace ombrel
