#include "adjust/statistical_analysis.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "numeric/checked.h"
#include "numeric/matrix.h"
#include "numeric/run_time_error.h"

namespace ombrel {

const char* const kStatisticalAnalysisFailure =
    "¡ Se ha producido un error en la fase de análisis estadístico !\r\n\r\n"
    "Quizá se haya intentado resolver una red libre como red ligada \r\n"
    "o se haya introducido la incógnita de escala en un proceso que no la admite.";

namespace {

// The shortest text that reads back as the same double, with the sign
// position blank for a non-negative value: 4.12 gives " 4.12".
std::string ShortestText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  const std::string digits(buffer, result.ptr);
  return value >= 0.0 ? " " + digits : digits;
}

void WriteHead(ListingWriter& out, double baardaShift) {
  for (int i = 0; i < 3; ++i) out.BlankLine();
  WriteBanner(out, "    *******   ANALISIS ESTADISTICO DE HIPOTESIS Y RESULTADOS   *******");
  out.BlankLine();
  out.BlankLine();
  out.Line("    --->  Parametro de traslacion asociado :   " + ShortestText(baardaShift));
  WriteHeading(out, "    FIABILIDAD INTERNA DE LA RED");
  out.Line(std::string(32, ' ') + "  Numeros  de    Minimo error   Parametro de ");
  out.Line("  Observ   Residuo   Vble Baarda  redundancia     detectable    homogeneidad ");
  out.BlankLine();
}

// One line of the internal reliability table, built whole in line (whose
// storage serves every row) so that a failure writes none of it.
void WriteInternalRow(ListingWriter& out, std::string& line, int observation, double residual,
                      const RowReliability& row) {
  line = "   " + RightAlignedNumberLabel(observation);
  AppendNumber(line, residual, 7, 5);
  AppendNumber(line, row.statistic, 5, 6);
  AppendNumber(line, row.redundancy, 5, 8);
  AppendNumber(line, row.minimalError, 8, 7);
  AppendNumber(line, row.homogeneity, 6, 8);
  out.Line(line);
}

// Where a matrix holds something other than zero, line by line (rows or
// columns): line l owns the indices at[start[l - 1]] .. at[start[l] - 1],
// in increasing order.
struct NonZeros {
  std::vector<int> start;
  std::vector<int> at;
};

// Rows 1..rows of a, each with its columns 1..cols that are not zero.
NonZeros NonZeroColumns(const Matrix& a, int rows, int cols) {
  NonZeros nz;
  nz.start.push_back(0);
  for (int r = 1; r <= rows; ++r) {
    const double* row = a.Row(r);
    for (int c = 1; c <= cols; ++c)
      if (row[c] != 0.0) nz.at.push_back(c);
    nz.start.push_back(static_cast<int>(nz.at.size()));
  }
  return nz;
}

// Columns 1..cols of a, each with its rows 1..rows that are not zero.
NonZeros NonZeroRows(const Matrix& a, int rows, int cols) {
  NonZeros nz;
  nz.start.push_back(0);
  for (int c = 1; c <= cols; ++c) {
    for (int r = 1; r <= rows; ++r)
      if (a.Row(r)[c] != 0.0) nz.at.push_back(r);
    nz.start.push_back(static_cast<int>(nz.at.size()));
  }
  return nz;
}

// G = Qxx At P (m x n): column i is the change of the unknowns per unit
// error in row i. Formed in full, as the listing's transfer vectors need it.
// Each element is the sum from zero, in increasing inner index, of the
// plain triple loop, but over the terms whose second factor is not zero:
// with a finite first factor the others are zeros, and adding a zero to a
// sum begun at +0 never changes it. A and P are mostly zeros, so this costs
// a small part of the full products.
Matrix GainMatrix(const NetworkState& state, int n, int m) {
  // Subscripts and finiteness checked once, as the full loops would meet them.
  (void)state.Solution.Qxx(m, m), (void)state.Equations.A(n, m), (void)state.Equations.P(n, n);
  for (int a = 1; a <= m; ++a)
    for (int c = 1; c <= m; ++c) Checked(state.Solution.Qxx.Row(a)[c]);

  const NonZeros aColumns = NonZeroColumns(state.Equations.A, n, m);
  Matrix qxxAt(m, n);
  for (int a = 1; a <= m; ++a) {
    const double* q = state.Solution.Qxx.Row(a);
    double* out = qxxAt.Row(a);
    for (int b = 1; b <= n; ++b) {
      const double* row = state.Equations.A.Row(b);
      double sum = 0.0;
      for (int k = aColumns.start[b - 1]; k < aColumns.start[b]; ++k) {
        const int c = aColumns.at[static_cast<std::size_t>(k)];
        sum += q[c] * row[c];
      }
      out[b] = Checked(sum);  // a non-finite partial sum stays non-finite
    }
  }
  const NonZeros pRows = NonZeroRows(state.Equations.P, n, n);
  Matrix g(m, n);
  for (int a = 1; a <= m; ++a) {
    const double* q = qxxAt.Row(a);
    double* out = g.Row(a);
    for (int b = 1; b <= n; ++b) {
      double sum = 0.0;
      for (int k = pRows.start[b - 1]; k < pRows.start[b]; ++k) {
        const int c = pRows.at[static_cast<std::size_t>(k)];
        sum += q[c] * state.Equations.P.Row(c)[b];
      }
      out[b] = Checked(sum);
    }
  }
  return g;
}

void WriteRedundancyTotals(ListingWriter& out, double sum, int n) {
  out.BlankLine();
  out.Line("    Suma de las redundancias " + FormatNumber(sum, 5, 6));
  out.Line("    Redundancia media   .... " + FormatNumber(Div(sum, n), 5, 6));
}

void WriteExternalReliability(ListingWriter& out, const NetworkState& state,
                              const std::vector<RowReliability>& rows) {
  WriteHeading(out, "    FIABILIDAD EXTERNA DE LA RED");
  out.Line("          Observ   Sqr(1-ri)  Param. homogeneidad");
  out.BlankLine();
  std::string line;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const int observation = state.Network.ObservationNumber(static_cast<int>(i));
    line = std::string(12, ' ') + RightAlignedNumberLabel(observation);
    AppendNumber(line, rows[i].unchecked, 5, 6);
    AppendNumber(line, rows[i].external, 9, 8);
    out.Line(line);
  }
}

// The printed number of the variable point owning unknowns 2k-1 and 2k.
IntVector VariablePointNumbers(const NetworkState& state) {
  IntVector numbers(state.Network.NumPoints - state.Network.NumFixed);
  for (int j = 1; j <= state.Network.NumPoints; ++j) {
    const int k = state.Network.VariableIndex(j);
    if (k != 0) numbers(k) = state.Network.PointNumber(j);
  }
  return numbers;
}

// The effect on every unknown of an undetected error of the minimal
// detectable size in each row.
void WriteTransferVectors(ListingWriter& out, const NetworkState& state,
                          const std::vector<RowReliability>& rows, const Matrix& gain) {
  WriteHeading(out, "    TRANSFERENCIA A COORDENADAS. VECTORES DE FIABILIDAD EXTERNA");
  const IntVector points = VariablePointNumbers(state);
  const int m = state.ProjectUnknowns();
  // Each vector's lines: the caption of an unknown and the unknown.
  std::vector<std::pair<std::string, int>> lines;
  for (int k = 1; k <= points.Size(); ++k) {
    const std::string label = RightAlignedNumberLabel(points(k));
    lines.emplace_back("    Influencia sobre x(" + label + " ) .... ", 2 * k - 1);
    lines.emplace_back("    Influencia sobre y(" + label + " ) .... ", 2 * k);
  }
  if (state.Equations.ScaleUnknown == 1)
    lines.emplace_back("    Influencia sobre vble mu .... ", m);
  std::string number;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const int i = static_cast<int>(r);
    out.Line("    Observable numero" + RightAlignedNumberLabel(state.Network.ObservationNumber(i)) +
             ":");
    for (const auto& [caption, unknown] : lines) {
      // The caption goes out only once its number is known, so that a
      // failure writes none of the line.
      number.clear();
      AppendNumber(number, Mul(gain(unknown, i), rows[r].minimalError), 3, 6);
      out.Stay(caption);
      out.Line(number);
    }
    out.BlankLine();
  }
}

void WriteSection(const NetworkState& state) {
  const int n = state.Network.NumObs + state.Equations.NumCondEq;
  const int m = state.ProjectUnknowns();
  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Append);
  WriteHead(out, state.Options.BaardaShift);
  std::vector<RowReliability> rows(static_cast<std::size_t>(n) + 1);  // 1-based
  std::string line;
  for (int i = 1; i <= n; ++i) {
    rows[static_cast<std::size_t>(i)] = AnalyseRow(state, i);
    WriteInternalRow(out, line, state.Network.ObservationNumber(i), state.Solution.Residuals(i),
                     rows[static_cast<std::size_t>(i)]);
  }
  const double sum = RedundancySum(state.Solution.Qvv, state.Equations.P, n);
  const Matrix gain = GainMatrix(state, n, m);
  if (state.Options.FullOutput) {
    WriteRedundancyTotals(out, sum, n);
    WriteExternalReliability(out, state, rows);
    WriteTransferVectors(out, state, rows, gain);
  }
  out.Close();
}

}  // namespace

RowReliability AnalyseRow(const NetworkState& state, int i) {
  const double delta0 = state.Options.BaardaShift;
  const double s0 = state.Solution.Sigma0Sq;
  RowReliability row;
  const double qvv = state.Solution.Qvv(i, i);
  const double signedRedundancy = Mul(qvv, state.Equations.P(i, i));
  row.statistic = Div(state.Solution.Residuals(i), Sqrt(Mul(s0, std::fabs(qvv))));
  row.redundancy = std::fabs(signedRedundancy);
  const double rootR = Sqrt(row.redundancy);
  row.minimalError = Div(Mul(delta0, Sqrt(Mul(s0, state.Solution.QAdjusted(i, i)))), rootR);
  row.homogeneity = Div(delta0, rootR);
  row.unchecked = Sqrt(Sub(1.0, row.redundancy));
  row.external = Mul(row.unchecked, row.homogeneity);
  return row;
}

double RedundancySum(const Matrix& qvv, const Matrix& p, int n) {
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum = Add(sum, Mul(std::fabs(qvv(i, i)), p(i, i)));
  return sum;
}

std::optional<Failure> StatisticalAnalysis(const NetworkState& state) {
  try {
    WriteSection(state);
  } catch (const RunTimeError&) {
    // The writer has flushed on unwinding: the listing keeps the rows
    // written before the failure.
    return Failure{kStatisticalAnalysisFailure, Icon::Exclamation};
  }
  return std::nullopt;
}

}  // namespace ombrel
