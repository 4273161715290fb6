#include "model/matrix_import.h"

#include "model/form_equations.h"

namespace ombrel {

void ImportMatrixFiles(NetworkState& state, Interaction& ui, const MatrixFileNames& files) {
  state.ImportFileA = files.a;
  state.ImportFileK = files.k;
  state.ImportFileP = files.p;
  state.ImportFileE = files.e;
  state.MatrixInput = true;
  state.ImportWithE = !files.e.empty();
  FormEquations(state, ui);
}

void EnableImportedCommands(const NetworkState& state, Interaction& ui) {
  ui.SetEnabled(Command::MenuReview, false);
  ui.SetEnabled(Command::MenuView, true);
  const bool adjustable = !state.Abandon;
  for (Command c : {Command::MenuAdjust, Command::AdjustInverse, Command::AdjustPseudo,
                    Command::AdjustConstraints})
    ui.SetEnabled(c, adjustable);
  ui.SetEnabled(Command::MenuDesign, true);
  ui.SetEnabled(Command::AdjustConstraints, state.ImportWithE && !state.ImportEMismatch);
}

}  // namespace ombrel
