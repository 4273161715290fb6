#include "model/import_equations.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/equation_checks.h"
#include "model/matrix_file.h"
#include "model/project_labels.h"

namespace ombrel {
namespace {

using Refusal = std::optional<Failure>;

Failure Problem(const std::string& text) {
  return Failure{text, Icon::Information, true};
}

// A file that cannot be read ends the import: the network is no longer
// taken as given by matrices.
Failure Unread(NetworkState& state, Failure failure) {
  state.Import.MatrixInput = false;
  return failure;
}

// Reads the file at path into record; reading.fileOpened once it is open.
Refusal ReadFile(NetworkState& state, ImportReading& reading, const std::string& path,
                 ImportedMatrix& record) {
  const Result<std::string> bytes = OpenMatrixFile(path);
  if (!bytes) return Unread(state, bytes.error());
  reading.fileOpened = true;
  Result<ImportedMatrix> matrix = ParseMatrixFile(*bytes, path);
  if (!matrix) return Unread(state, matrix.error());
  record = std::move(*matrix);
  return std::nullopt;
}

Refusal ReadA(NetworkState& state, ImportReading& reading) {
  if (auto refusal = ReadFile(state, reading, state.Import.ImportFileA, state.Import.ImportA))
    return refusal;
  state.Equations.NumEquations = state.Import.ImportA.rows;
  state.Equations.NumUnknowns = state.Import.ImportA.cols;
  state.Equations.A = state.Import.ImportA.values;
  return CheckZeroRows(state.Equations.A, state.Equations.NumEquations,
                       state.Equations.NumUnknowns);
}

Refusal ReadK(NetworkState& state, ImportReading& reading) {
  if (auto refusal = ReadFile(state, reading, state.Import.ImportFileK, state.Import.ImportK))
    return refusal;
  const int rows = state.Import.ImportK.rows;
  state.Equations.K.Redim(rows);
  for (int i = 1; i <= rows; ++i) state.Equations.K(i) = state.Import.ImportK.values(i, 1);
  return std::nullopt;
}

// P is either one column of diagonal weights or a square matrix.
Refusal ReadP(NetworkState& state, ImportReading& reading) {
  if (auto refusal = ReadFile(state, reading, state.Import.ImportFileP, state.Import.ImportP))
    return refusal;
  const ImportedMatrix& file = state.Import.ImportP;
  state.Import.ImportPDiagonal = file.cols == 1;
  if (!state.Import.ImportPDiagonal && file.cols != file.rows)
    return Problem(
        "¡ Existe un problema con las dimensiones de la matriz P importada !\r\n"
        "¡ La matriz P no es cuadrada !");
  if (state.Import.ImportPDiagonal && !MatrixFits(file.rows, file.rows)) {
    // The weight vector itself was small enough, its square matrix is not.
    return Unread(state, MatrixFileTooLarge(state.Import.ImportFileP));
  }
  if (state.Import.ImportPDiagonal) {
    state.Equations.P.Redim(file.rows, file.rows);
    for (int i = 1; i <= file.rows; ++i) state.Equations.P(i, i) = file.values(i, 1);
  } else {
    state.Equations.P = file.values;
  }
  return CheckWeights(state.Equations.P, file.rows);
}

// E must constrain the same unknowns as A; otherwise the adjustment with E is
// disabled until another import.
Refusal ReadE(NetworkState& state, ImportReading& reading) {
  if (auto refusal = ReadFile(state, reading, state.Import.ImportFileE, state.Import.ImportE))
    return refusal;
  state.Equations.E = state.Import.ImportE.values;
  if (state.Import.ImportE.cols != state.Import.ImportA.cols) {
    state.Import.ImportEMismatch = true;
    reading.constraintsUnusable = true;
    return Problem(
        "¡ Existe un problema con las dimensiones de las matrices importadas !\r\n\r\n"
        "¡ Las matrices A y E no tienen el mismo numero de columnas !");
  }
  state.Equations.NumConstraints = state.Import.ImportE.rows;
  state.Import.ImportEMismatch = false;
  return std::nullopt;
}

std::string Shape(const char* name, int rows, int cols) {
  return std::string("Matriz ") + name + ": " + std::to_string(rows) + " x " + std::to_string(cols);
}

Refusal CheckRowCounts(const NetworkState& state) {
  const ImportedMatrix& a = state.Import.ImportA;
  const ImportedMatrix& k = state.Import.ImportK;
  const ImportedMatrix& p = state.Import.ImportP;
  if (a.rows == k.rows && a.rows == p.rows) return std::nullopt;
  return Problem(
      "\r\n¡ Existe un problema con las dimensiones de las matrices importadas ! \r\n\r\n" +
      Shape("A", a.rows, a.cols) + "\r\n" + Shape("K", k.rows, k.cols) + "\r\n" +
      Shape("P", p.rows, p.rows));
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

Refusal ReadAll(NetworkState& state, ImportReading& reading) {
  if (auto refusal = ReadA(state, reading)) return refusal;
  if (auto refusal = ReadK(state, reading)) return refusal;
  if (auto refusal = ReadP(state, reading)) return refusal;
  if (state.Import.ImportWithE)
    if (auto refusal = ReadE(state, reading)) return refusal;
  return CheckRowCounts(state);
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

ImportReading ReadImportedEquations(NetworkState& state) {
  ImportReading reading;
  reading.failure = ReadAll(state, reading);
  if (!reading.failure) SetDerivedNetwork(state);
  return reading;
}

void FormImportedEquations(NetworkState& state, Interaction& ui) {
  state.Abandon = false;
  const ImportReading reading = ReadImportedEquations(state);
  // The project frame no longer names the project once a matrix file is open.
  if (reading.fileOpened) SetLabels(state, ui, "", state.PointsLabel, state.EquationsLabel);
  if (reading.failure) {
    ShowFailure(ui, *reading.failure);
    if (reading.constraintsUnusable) ui.SetEnabled(Command::AdjustConstraints, false);
    state.Abandon = true;
    return;
  }
  ShowSummary(state, ui);
}

}  // namespace ombrel
