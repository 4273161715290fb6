#include "model/matrix_import.h"

#include "model/form_equations.h"

namespace ombrel {

void ImportMatrixFiles(NetworkState& state, Interaction& ui, const MatrixFileNames& files) {
  state.Import.ImportFileA = files.a;
  state.Import.ImportFileK = files.k;
  state.Import.ImportFileP = files.p;
  state.Import.ImportFileE = files.e;
  state.Import.MatrixInput = true;
  state.Import.ImportWithE = !files.e.empty();
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
  ui.SetEnabled(Command::AdjustConstraints,
                state.Import.ImportWithE && !state.Import.ImportEMismatch);
}

}  // namespace ombrel
