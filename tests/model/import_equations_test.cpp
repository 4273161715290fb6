#include "model/import_equations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/eigen_bridge.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using Rows = std::vector<std::vector<double>>;

// A matrix file as the user writes it: blank-separated, CR LF between rows,
// no line break after the last one.
std::string MatrixText(const Rows& rows) {
  std::string text;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += "\r\n";
    for (std::size_t j = 0; j < rows[i].size(); ++j)
      text += (j ? " " : "") + testing::Text(rows[i][j]);
  }
  return text;
}

Rows Column(const std::vector<double>& values) {
  Rows rows;
  for (double v : values) rows.push_back({v});
  return rows;
}

// The matrix files of one import and what the import leaves.
struct Import {
  Import() { state.Import.MatrixInput = true; }

  void Files(const Rows& a, const Rows& k, const Rows& p) {
    FilesText(MatrixText(a), MatrixText(k), MatrixText(p));
  }
  void FilesText(const std::string& a, const std::string& k, const std::string& p) {
    state.Import.ImportFileA = dir.Write("A.txt", a);
    state.Import.ImportFileK = dir.Write("K.txt", k);
    state.Import.ImportFileP = dir.Write("P.txt", p);
  }
  void WithE(const Rows& e) {
    state.Import.ImportFileE = dir.Write("E.txt", MatrixText(e));
    state.Import.ImportWithE = true;
  }

  // A refusal of the formation: a beep right before one information box.
  void ExpectRefused(const std::string& text) {
    const auto& calls = ui.Calls();
    std::size_t box = 0;
    while (box < calls.size() && calls[box].kind != "MessageBox") ++box;
    ASSERT_LT(box, calls.size()) << "no message";
    ASSERT_GT(box, 0u);
    EXPECT_EQ(calls[box - 1].kind, "Beep");
    EXPECT_EQ(calls[box].text, text);
    EXPECT_EQ(calls[box].icon, Icon::Information);
    EXPECT_EQ(calls[box].buttons, Buttons::Ok);
    EXPECT_EQ(ui.Count("MessageBox"), 1);
    EXPECT_TRUE(state.Abandon);
  }

  void ExpectAccepted() {
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_FALSE(state.Abandon);
    EXPECT_TRUE(state.Import.MatrixInput);
  }

  testing::TempDir dir;
  NetworkState state;
  ScriptedInteraction ui;
};
struct ImportEquationsTest : ::testing::Test, Import {};

// A system as an adjustment would receive it: random coefficients, terms,
// weights and constraints written with every digit, so the files must give
// back exactly the values written.
TEST_F(ImportEquationsTest, ConsistentSystemIsCopiedExactly) {
  std::mt19937 gen(20240611);
  std::uniform_real_distribution<double> coefficient(-250.0, 250.0);
  std::uniform_real_distribution<double> weight(0.1, 9.0);
  const int m = 6, u = 5;
  Rows a(m, std::vector<double>(u)), e(3, std::vector<double>(u));
  std::vector<double> k(m), w(m);
  for (auto& row : a)
    for (double& v : row) v = coefficient(gen);
  for (auto& row : e)
    for (double& v : row) v = coefficient(gen);
  for (int i = 0; i < m; ++i) {
    k[i] = coefficient(gen) / 1000.0;
    w[i] = weight(gen);
  }
  Files(a, Column(k), Column(w));
  WithE(e);
  state.Abandon = true;  // left over from an earlier command

  FormImportedEquations(state, ui);

  ExpectAccepted();
  ASSERT_EQ(state.Equations.NumEquations, m);
  ASSERT_EQ(state.Equations.NumUnknowns, u);
  ASSERT_EQ(state.Equations.A.Rows(), m);
  ASSERT_EQ(state.Equations.A.Cols(), u);
  ASSERT_EQ(state.Equations.K.Size(), m);
  ASSERT_EQ(state.Equations.P.Rows(), m);
  ASSERT_EQ(state.Equations.P.Cols(), m);
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= u; ++j) EXPECT_EQ(state.Equations.A(i, j), a[i - 1][j - 1]);
    EXPECT_EQ(state.Equations.K(i), k[i - 1]);
    for (int j = 1; j <= m; ++j) EXPECT_EQ(state.Equations.P(i, j), i == j ? w[i - 1] : 0.0);
  }
  EXPECT_TRUE(state.Import.ImportPDiagonal);
  ASSERT_EQ(state.Equations.NumConstraints, 3);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= u; ++j) EXPECT_EQ(state.Equations.E(i, j), e[i - 1][j - 1]);
  EXPECT_FALSE(state.Import.ImportEMismatch);
}

TEST_F(ImportEquationsTest, ColumnsMakeThePointsTwoFixedAndAnOddOneTheScale) {
  Files({{1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1}, {0, 0, 0, 0, 0, 0, 1}}, Column({0, 0, 0}),
        Column({1, 1, 1}));
  state.Import.ImportFileE = "";
  FormImportedEquations(state, ui);
  ExpectAccepted();
  EXPECT_EQ(state.Network.NumPoints, 5);
  EXPECT_EQ(state.Network.NumFixed, 2);
  EXPECT_EQ(state.Equations.ScaleUnknown, 1);
  EXPECT_EQ(state.Equations.NumUnknowns, 7);
  EXPECT_EQ(state.ProjectUnknowns(), 7);
  EXPECT_EQ(state.Network.NumObs, 3);
  EXPECT_EQ(state.Equations.NumCondEq, 0);
  ASSERT_EQ(state.Network.VariableIndex.Size(), 5);
  ASSERT_EQ(state.Network.PointNumber.Size(), 5);
  const std::vector<int> variable = {1, 2, 3, 0, 0};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(state.Network.VariableIndex(k), variable[k - 1]);
    EXPECT_EQ(state.Network.PointNumber(k), variable[k - 1]);
  }
  ASSERT_EQ(state.Network.ObservationNumber.Size(), 3);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(state.Network.ObservationNumber(i), i);
  Import even;  // an even number of columns has no scale unknown
  even.Files({{1, 2, 3, 4}}, Column({0}), Column({1}));
  FormImportedEquations(even.state, even.ui);
  EXPECT_EQ(even.state.Network.NumPoints, 4);
  EXPECT_EQ(even.state.Equations.ScaleUnknown, 0);
}

// A square P is copied as it is; the summary goes to the project frame.
TEST_F(ImportEquationsTest, SquarePIsCopiedAndTheSummaryIsInTheProjectFrame) {
  const Rows p = {{4, 1}, {1, 3}};
  Files({{1, 2, 3}, {4, 5, 6}}, Column({0, 0}), p);
  WithE({{1, 0, 1}});
  FormImportedEquations(state, ui);
  ExpectAccepted();
  EXPECT_FALSE(state.Import.ImportPDiagonal);
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 2; ++j) EXPECT_EQ(state.Equations.P(i, j), p[i - 1][j - 1]);
  const std::string project = "  MATRICES IMPORTADAS:\r\n    " + state.Import.ImportFileA +
                              "\r\n    " + state.Import.ImportFileK + "\r\n    " +
                              state.Import.ImportFileP + "\r\n    " + state.Import.ImportFileE;
  EXPECT_EQ(state.ProjectLabel, project);
  EXPECT_EQ(state.PointsLabel, "2 ecuaciones  3 incógnitas");
  EXPECT_EQ(state.EquationsLabel, "");
  const auto& last = ui.Calls().back();
  EXPECT_EQ(last.kind, "Labels");
  EXPECT_EQ(last.text, project + "\n2 ecuaciones  3 incógnitas\n");
}

TEST_F(ImportEquationsTest, TrailingLineBreakGivesAZeroRowAndIsRefused) {
  FilesText("1 2 3\r\n4 5 6\r\n", MatrixText(Column({0, 0, 0})), MatrixText(Column({1, 1, 1})));
  FormImportedEquations(state, ui);
  ExpectRefused(
      "¡ Existe un problema en la matriz A importada !\r\n\r\n"
      "Se ha intentado formar una ecuación entre puntos fijos.\r\n"
      "Hay una fila de ceros: Fila 3");
  EXPECT_EQ(state.Equations.NumEquations, 3);
  EXPECT_EQ(state.Import.ImportK.rows, 0) << "K must not be read after a refusal";
  EXPECT_TRUE(state.Import.MatrixInput);
}

// Systems whose shapes or weights cannot be adjusted: refused with the
// message that says why.
TEST(ImportEquationsRefusal, ShapesAndWeightsThatCannotBeAdjusted) {
  const std::string weights = "¡ Existe un problema con los pesos !\r\n\r\n";
  const struct {
    Rows a, k, p;
    std::string message;
  } cases[] = {
      {{{1, 0}, {0, 1}, {1, 1}},
       Column({0, 0, 0}),
       {{1, 0}, {0, 1}, {0, 0}},
       "¡ Existe un problema con las dimensiones de la matriz P importada !\r\n"
       "¡ La matriz P no es cuadrada !"},
      {{{1, 0}, {0, 1}},
       Column({0, 0}),
       {{1, 0.5}, {0.5, -1}},
       weights + "Hay un peso negativo o nulo: Fila 2"},
      {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
       {{1, 9}, {2, 9}},
       Column({1, 1, 1, 1}),
       "\r\n¡ Existe un problema con las dimensiones de las matrices importadas ! \r\n\r\n"
       "Matriz A: 3 x 3\r\nMatriz K: 2 x 2\r\nMatriz P: 4 x 4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Import t;
    t.Files(c.a, c.k, c.p);
    FormImportedEquations(t.state, t.ui);
    t.ExpectRefused(c.message);
    EXPECT_EQ(t.state.Network.NumObs, 0) << "the derived network is set only after the checks";
  }
}

TEST_F(ImportEquationsTest, EWithOtherColumnsDisablesTheAdjustmentWithE) {
  Files({{1, 0, 2}, {0, 1, 2}}, Column({0, 0}), Column({1, 1}));
  WithE({{1, 0}, {0, 1}});
  FormImportedEquations(state, ui);
  ExpectRefused(
      "¡ Existe un problema con las dimensiones de las matrices importadas !\r\n\r\n"
      "¡ Las matrices A y E no tienen el mismo numero de columnas !");
  EXPECT_TRUE(state.Import.ImportEMismatch);
  ASSERT_EQ(ui.Count("Enable"), 1);
  const auto& calls = ui.Calls();
  const auto enable = std::find_if(calls.begin(), calls.end(),
                                   [](const RecordedCall& c) { return c.kind == "Enable"; });
  EXPECT_EQ(enable->text, CommandName(Command::AdjustConstraints));
  EXPECT_EQ(enable->answer, "0");
}

// A file that cannot be read stops the import with the reader's message,
// and the files after it are not read.
TEST_F(ImportEquationsTest, FilesThatCannotBeReadStopTheImport) {
  std::string ones = "1";  // 2049 weights fit the reader, their 2049 x 2049 matrix does not
  for (int i = 1; i < 2049; ++i) ones += "\r\n1";
  Import large;
  large.FilesText(ones, ones, ones);
  FormImportedEquations(large.state, large.ui);
  ASSERT_EQ(large.ui.Messages().size(), 1u);
  EXPECT_NE(large.ui.Messages()[0].find(large.state.Import.ImportFileP + " es demasiado grande !"),
            std::string::npos)
      << large.ui.Messages()[0];
  EXPECT_TRUE(large.state.Abandon);
  Files({{1, 0}, {0, 1}}, Column({0, 0}), Column({1, 1}));
  state.Import.ImportFileK = dir.File("falta.txt");
  FormImportedEquations(state, ui);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"¡ El fichero " + state.Import.ImportFileK + " no existe !"});
  EXPECT_TRUE(state.Abandon);
  EXPECT_FALSE(state.Import.MatrixInput);
  EXPECT_EQ(state.Import.ImportP.rows, 0) << "P must not be read after a failed read";
  // Only the project label is cleared, once the first file is open.
  EXPECT_EQ(ui.Calls()[0].text, "\n" + std::string(21, ' ') + "\n" + std::string(21, ' '));
  Import missing;
  missing.state.Import.ImportFileA = dir.File("no.txt");
  FormImportedEquations(missing.state, missing.ui);
  EXPECT_EQ(missing.ui.Count("Labels"), 0);
}

}  // namespace
}  // namespace ombrel
