#include "adjust/approximate_numbers_study.h"

#include <string>

#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/product.h"
#include "numeric/run_time_error.h"

namespace ombrel {
namespace {

constexpr const char* kStudyFailed =
    "¡ Se ha producido un error al mostrar las cifras del cálculo con números aproximados !";

// Number of the point that owns unknowns 2k-1 and 2k.
int VariablePointNumber(const NetworkState& state, int k) {
  for (int j = 1; j <= state.Network.NumPoints; ++j)
    if (state.Network.VariableIndex(j) == k) return state.Network.PointNumber(j);
  return 0;
}

void WriteColumnHeading(ListingWriter& out, const NetworkState& state, int points) {
  std::string names = "   ";
  std::string dashes = "   ";
  for (int k = 1; k <= points; ++k) {
    const std::string label = RightAlignedNumberLabel(VariablePointNumber(state, k));
    names += " Vble X(" + label + " )  " + " Vble Y(" + label + " )  ";
    dashes += " ------------   ------------  ";
  }
  if (state.Equations.ScaleUnknown == 1) {
    names += " Correcc escala ";
    dashes += " -------------- ";
  }
  out.Line(names);
  out.Line(dashes);
}

// dA row by row; the scale column is one character wider than the others.
void WriteCoefficientErrors(ListingWriter& out, const NetworkState& state, int n, int points) {
  const Matrix& dA = state.Equations.CoefficientErrors;
  for (int i = 1; i <= n; ++i) {
    for (int c = 1; c <= 2 * points; ++c) out.Stay(FormatNumber(dA(i, c), 8, 6));
    if (state.Equations.ScaleUnknown == 1) out.Stay(FormatNumber(dA(i, 2 * points + 1), 9, 6));
    out.BlankLine();
  }
}

// dS = At P dA + dAt P A, the first-order change of At P A.
Matrix NormalMatrixError(const NetworkState& state, int n, int m) {
  const Matrix& dA = state.Equations.CoefficientErrors;
  const Matrix atP =
      MatrixProduct(TransposeMatrix(state.Equations.A, n, m), state.Equations.P, m, n, n);
  const Matrix g1 = MatrixProduct(atP, dA, m, n, m);
  const Matrix datP = MatrixProduct(TransposeMatrix(dA, n, m), state.Equations.P, m, n, n);
  const Matrix g2 = MatrixProduct(datP, state.Equations.A, m, n, m);
  return AddMatrices(g1, g2, m, m);
}

void WriteStudy(const NetworkState& state) {
  const int points = state.Network.NumPoints - state.Network.NumFixed;
  const int m = 2 * points + state.Equations.ScaleUnknown;
  const int n = state.Network.NumObs + state.Equations.NumCondEq;

  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Append);
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    *******    ESTUDIO DEL CALCULO CON NUMEROS APROXIMADOS     *******");
  out.BlankLine();
  out.BlankLine();
  WriteHeading(out, "    MATRIZ DE ERRORES EN A: dA ");
  WriteColumnHeading(out, state, points);
  WriteCoefficientErrors(out, state, n, points);

  const Matrix dS = NormalMatrixError(state, n, m);
  WriteHeading(out, "    MATRIZ DE ERRORES EN S (AtPA): dS ");
  WriteMatrix(out, dS, m, m, 8, 6);
  out.BlankLine();
  out.Close();
}

}  // namespace

Matrix TransposeMatrix(const Matrix& m, int rows, int cols) {
  Matrix result(cols, rows);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) result(j, i) = m(i, j);
  return result;
}

Matrix AddMatrices(const Matrix& left, const Matrix& right, int rows, int cols) {
  Matrix result(rows, cols);
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) result(i, j) = Add(left(i, j), right(i, j));
  return result;
}

std::optional<Failure> ApproximateNumbersStudy(const NetworkState& state) {
  try {
    WriteStudy(state);
  } catch (const RunTimeError&) {
    return Failure{kStudyFailed, Icon::Exclamation};
  }
  return std::nullopt;
}

}  // namespace ombrel
