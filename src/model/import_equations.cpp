#include "model/import_equations.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/equation_checks.h"
#include "model/matrix_file.h"
#include "model/project_labels.h"

namespace ombrel {
namespace {

// True without a refusal; otherwise shows it and abandons.
bool Accept(NetworkState& state, Interaction& ui, const std::optional<Failure>& refusal) {
  if (!refusal) return true;
  ShowFailure(ui, *refusal);
  state.Abandon = true;
  return false;
}

void Refuse(NetworkState& state, Interaction& ui, const std::string& text) {
  Accept(state, ui, Failure{text, Icon::Information, true});
}

// A file that cannot be read is shown with the reader's message and ends
// the import: the network is no longer taken as given by matrices.
bool Unread(NetworkState& state, Interaction& ui, const Failure& failure) {
  ShowFailure(ui, failure);
  state.Import.MatrixInput = false;
  state.Abandon = true;
  return false;
}

// Reads the file at path into record; the project label is cleared once the
// file is open.
bool ReadFile(NetworkState& state, Interaction& ui, const std::string& path,
              ImportedMatrix& record) {
  const Result<std::string> bytes = OpenMatrixFile(path);
  if (!bytes) return Unread(state, ui, bytes.error());
  SetLabels(state, ui, "", state.PointsLabel, state.EquationsLabel);
  Result<ImportedMatrix> matrix = ParseMatrixFile(*bytes, path);
  if (!matrix) return Unread(state, ui, matrix.error());
  record = std::move(*matrix);
  return true;
}

bool ReadA(NetworkState& state, Interaction& ui) {
  if (!ReadFile(state, ui, state.Import.ImportFileA, state.Import.ImportA)) return false;
  state.Equations.NumEquations = state.Import.ImportA.rows;
  state.Equations.NumUnknowns = state.Import.ImportA.cols;
  state.Equations.A = state.Import.ImportA.values;
  return Accept(
      state, ui,
      CheckZeroRows(state.Equations.A, state.Equations.NumEquations, state.Equations.NumUnknowns));
}

bool ReadK(NetworkState& state, Interaction& ui) {
  if (!ReadFile(state, ui, state.Import.ImportFileK, state.Import.ImportK)) return false;
  const int rows = state.Import.ImportK.rows;
  state.Equations.K.Redim(rows);
  for (int i = 1; i <= rows; ++i) state.Equations.K(i) = state.Import.ImportK.values(i, 1);
  return true;
}

// P is either one column of diagonal weights or a square matrix.
bool ReadP(NetworkState& state, Interaction& ui) {
  if (!ReadFile(state, ui, state.Import.ImportFileP, state.Import.ImportP)) return false;
  const ImportedMatrix& file = state.Import.ImportP;
  state.Import.ImportPDiagonal = file.cols == 1;
  if (!state.Import.ImportPDiagonal && file.cols != file.rows) {
    Refuse(state, ui,
           "¡ Existe un problema con las dimensiones de la matriz P importada !\r\n"
           "¡ La matriz P no es cuadrada !");
    return false;
  }
  if (state.Import.ImportPDiagonal && !MatrixFits(file.rows, file.rows)) {
    // The weight vector itself was small enough, its square matrix is not.
    return Unread(state, ui, MatrixFileTooLarge(state.Import.ImportFileP));
  }
  if (state.Import.ImportPDiagonal) {
    state.Equations.P.Redim(file.rows, file.rows);
    for (int i = 1; i <= file.rows; ++i) state.Equations.P(i, i) = file.values(i, 1);
  } else {
    state.Equations.P = file.values;
  }
  return Accept(state, ui, CheckWeights(state.Equations.P, file.rows));
}

// E must constrain the same unknowns as A; otherwise the adjustment with E is
// disabled until another import.
bool ReadE(NetworkState& state, Interaction& ui) {
  if (!ReadFile(state, ui, state.Import.ImportFileE, state.Import.ImportE)) return false;
  state.Equations.E = state.Import.ImportE.values;
  if (state.Import.ImportE.cols != state.Import.ImportA.cols) {
    Refuse(state, ui,
           "¡ Existe un problema con las dimensiones de las matrices importadas !\r\n\r\n"
           "¡ Las matrices A y E no tienen el mismo numero de columnas !");
    ui.SetEnabled(Command::AdjustConstraints, false);
    state.Import.ImportEMismatch = true;
    return false;
  }
  state.Equations.NumConstraints = state.Import.ImportE.rows;
  state.Import.ImportEMismatch = false;
  return true;
}

std::string Shape(const char* name, int rows, int cols) {
  return std::string("Matriz ") + name + ": " + std::to_string(rows) + " x " + std::to_string(cols);
}

bool CheckRowCounts(NetworkState& state, Interaction& ui) {
  const ImportedMatrix& a = state.Import.ImportA;
  const ImportedMatrix& k = state.Import.ImportK;
  const ImportedMatrix& p = state.Import.ImportP;
  if (a.rows == k.rows && a.rows == p.rows) return true;
  Refuse(state, ui,
         "\r\n¡ Existe un problema con las dimensiones de las matrices importadas ! \r\n\r\n" +
             Shape("A", a.rows, a.cols) + "\r\n" + Shape("K", k.rows, k.cols) + "\r\n" +
             Shape("P", p.rows, p.rows));
  return false;
}

// Pairs of columns of A are the variable points; an odd last column is the
// scale unknown; two fixed points stand for the datum the system implies.
void SetDerivedNetwork(NetworkState& state) {
  const int cols = state.Import.ImportA.cols;
  state.Network.NumFixed = 2;
  state.Network.NumPoints = cols / 2 + 2;
  state.Equations.ScaleUnknown = cols % 2;
  state.Network.NumObs = state.Import.ImportA.rows;
  state.Equations.NumCondEq = 0;
  state.Network.VariableIndex.Redim(state.Network.NumPoints);
  state.Network.PointNumber.Redim(state.Network.NumPoints);
  state.Network.ObservationNumber.Redim(state.Network.NumObs);
  for (int k = 1; k <= state.Network.NumPoints - 2; ++k)
    state.Network.VariableIndex(k) = state.Network.PointNumber(k) = k;
  for (int i = 1; i <= state.Network.NumObs; ++i) state.Network.ObservationNumber(i) = i;
  ForgetErrorFigures(state);
}

void ShowSummary(NetworkState& state, Interaction& ui) {
  const std::string project = "  MATRICES IMPORTADAS:\r\n    " + state.Import.ImportFileA +
                              "\r\n    " + state.Import.ImportFileK + "\r\n    " +
                              state.Import.ImportFileP + "\r\n    " + state.Import.ImportFileE;
  const std::string counters = std::to_string(state.Network.NumObs) + " ecuaciones  " +
                               std::to_string(state.ProjectUnknowns()) + " incógnitas";
  SetLabels(state, ui, project, counters, "");
}

}  // namespace

void FormImportedEquations(NetworkState& state, Interaction& ui) {
  state.Abandon = false;
  if (!ReadA(state, ui) || !ReadK(state, ui) || !ReadP(state, ui)) return;
  if (state.Import.ImportWithE && !ReadE(state, ui)) return;
  if (!CheckRowCounts(state, ui)) return;
  SetDerivedNetwork(state);
  ShowSummary(state, ui);
}

}  // namespace ombrel
