#include "listing/listing_header.h"

#include <gtest/gtest.h>

#include <limits>

#include "listing/file_error.h"
#include "model/project_file.h"
#include "numeric/run_time_error.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::LineIndex;
using testing::ListingLines;
using testing::ReadBytes;
using testing::SourceDir;
using testing::TempDir;

std::string ListingData(const std::string& name) {
  return SourceDir() + "/tests/listing/" + name;
}

void SetRow(Matrix& m, int row, std::initializer_list<double> values) {
  int column = 1;
  for (double value : values) m(row, column++) = value;
}

// The three-point example project (point 1 fixed, 2 and 3 variable; an
// angle and two distances) as the loader leaves it. The header only prints
// A, K and P, so they carry values chosen to exercise rounding, signs and
// widths.
NetworkState ThreePointProject(const std::string& listing) {
  NetworkState state = ReadProjectFile({}, ListingData("data/red3.txt")).value();
  state.ProjectName = ListingData("data/red3.txt");
  state.ListingFileName = listing;
  state.Equations.A.Redim(3, 4);
  SetRow(state.Equations.A, 1, {12.7168421, -316.3751904, -581.0529307, 254.2974126});
  SetRow(state.Equations.A, 2, {0.99919360, 0.04014931, 0.0, 0.0});
  SetRow(state.Equations.A, 3, {0.0, 0.0, -0.4009397, -0.9161042});
  state.Equations.K.Redim(3);
  state.Equations.K(1) = -153.28714;
  state.Equations.K(2) = -0.0015624;
  state.Equations.K(3) = 0.000437;
  state.Equations.P.Redim(3, 3);
  for (int i = 1; i <= 3; ++i) state.Equations.P(i, i) = 1.0;
  return state;
}

// Three equations in three unknowns given as matrix files, with an E file:
// one variable point and the scale column.
NetworkState ImportedMatrices(const std::string& listing) {
  NetworkState state;
  state.ListingFileName = listing;
  state.Import.MatrixInput = true;
  state.Import.ImportFileA = "C:\\datos\\matrizA.txt";
  state.Import.ImportFileK = "/home/topo/k.txt";
  state.Import.ImportFileP = "pesos.txt";
  state.Import.ImportFileE = "matriz_de_restricciones_de_la_red_libre.txt";  // 43 characters
  state.Import.ImportWithE = true;
  state.Import.ImportA.rows = 3;
  state.Import.ImportA.cols = 3;
  state.Network.NumPoints = 3;
  state.Network.NumFixed = 2;
  state.Equations.ScaleUnknown = 1;
  state.Network.VariableIndex.Redim(3);
  state.Network.PointNumber.Redim(3);
  state.Network.VariableIndex(1) = state.Network.PointNumber(1) = 1;
  state.Network.NumObs = 3;
  state.Equations.A.Redim(3, 3);
  SetRow(state.Equations.A, 1, {1.0, 0.0, 0.5});
  SetRow(state.Equations.A, 2, {0.0, 1.0, -1234.5678914});
  SetRow(state.Equations.A, 3, {-1.0, 1.0, 0.0000004});
  state.Equations.K.Redim(3);
  state.Equations.K(1) = 0.001;
  state.Equations.K(2) = -2.5e-9;
  state.Equations.K(3) = 12345.678901234;
  state.Equations.P.Redim(3, 3);
  state.Equations.P(1, 1) = 1.0;
  state.Equations.P(2, 2) = 0.25;
  state.Equations.P(3, 3) = 4.0;
  return state;
}

std::string Golden(const std::string& name) {
  return ReadBytes(ListingData("golden/" + name));
}

// The header replaces what the listing held. Summary output ends the
// project's header after the counts; imported matrices are written even in
// summary output.
TEST(ListingHeader, MatchesTheGoldenListings) {
  const std::string full = Golden("header_project_full.txt");
  const std::string lastCount = "( 0 de condicion ) \r\n";
  const struct {
    NetworkState (*make)(const std::string&);
    bool fullOutput;
    std::string expected;
  } cases[] = {
      {ThreePointProject, true, full},
      {ThreePointProject, false, full.substr(0, full.find(lastCount) + lastCount.size())},
      {ImportedMatrices, false, Golden("header_matrices.txt")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fullOutput ? "full" : "summary");
    TempDir dir;
    NetworkState state = c.make(dir.Write("salida.tmp", "listado anterior\r\n"));
    state.Options.FullOutput = c.fullOutput;
    WriteListingHeader(state);
    EXPECT_EQ(ReadBytes(state.ListingFileName), c.expected);
  }
}

TEST(ListingHeader, ScaleUnknownAndConditionEquationsInCountsAndColumns) {
  TempDir dir;
  NetworkState state = ThreePointProject(dir.File("salida.tmp"));
  state.Options.FullOutput = true;
  state.Equations.ScaleUnknown = 1;
  state.Equations.NumCondEq = 1;
  state.Network.PointNumber(2) = 12;  // a two-digit vertex number labels the first pair
  state.Equations.A.Redim(4, 5);
  state.Equations.A(4, 5) = -2.5;
  state.Equations.K.Redim(4);
  state.Equations.K(4) = 0.5;  // a condition row: no observation kind, metres format
  state.Equations.P.Redim(4, 4);
  state.Equations.P(4, 4) = 2.0;
  WriteListingHeader(state);

  const std::vector<std::string> lines = ListingLines(state.ListingFileName);
  const auto at = [&](const std::string& text) { return LineIndex(lines, text); };
  const std::size_t counts = at("    Numero de ecuaciones  totales : 4   ( 1 de condicion ) ");
  ASSERT_LT(counts + 2, lines.size());
  EXPECT_EQ(lines[counts + 1], "");
  EXPECT_EQ(lines[counts + 2], "    Se calcula tambien el posible factor de escala a aplicar ");

  const std::size_t labels =
      at("    Vble X( 12 )   Vble Y( 12 )   Vble X( 3  )   Vble Y( 3  )   Correcc escala ");
  ASSERT_LT(labels + 5, lines.size());
  EXPECT_EQ(lines[labels + 1],
            "    ------------   ------------   ------------   ------------   -------------- ");
  const std::string zero = "       0.000000";
  EXPECT_EQ(lines[labels + 5], zero + zero + zero + zero + "       -2.500000");
  const std::size_t terms = at("    VECTOR DE TERMINOS INDEPENDIENTES ( K ) ");
  ASSERT_LT(terms + 5, lines.size());
  EXPECT_EQ(lines[terms + 5], "     0.50000000");
  EXPECT_EQ(lines.back(), "         2.00000000");
}

TEST(ListingHeader, TitleStarsFollowTheLengthOfTheName) {
  TempDir dir;
  const std::string red = ReadBytes(ListingData("data/red3.txt"));
  struct Case {
    std::string name;
    std::string title;
  };
  const std::string s16(16, '*');
  const Case cases[] = {
      {"red_10.txt", "    " + s16 + "   PROYECTO ACTIVO:   red_10.txt   " + s16},
      {"r.txt",
       "    " + std::string(18, '*') + "   PROYECTO ACTIVO:   r.txt   " + std::string(18, '*')},
      {std::string(38, 'n') + ".txt",
       "       PROYECTO ACTIVO:   " + std::string(38, 'n') + ".txt   "},
      {std::string(39, 'n') + ".txt",
       "       PROYECTO ACTIVO:   " + std::string(39, 'n') + ".txt   "},
  };
  for (const Case& c : cases) {
    NetworkState state = ThreePointProject(dir.File("salida.tmp"));
    state.ProjectName = dir.Write(c.name, red);
    WriteListingHeader(state);
    const std::vector<std::string> lines = ListingLines(state.ListingFileName);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[3], c.title) << c.name;
  }
}

TEST(ListingHeader, MissingProjectFileKeepsTheTitleBlock) {
  TempDir dir;
  NetworkState state = ThreePointProject(dir.File("salida.tmp"));
  state.ProjectName = dir.File("perdido.txt");
  try {
    WriteListingHeader(state);
    FAIL() << "sin fichero de proyecto no hay cabecera";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::CannotRead);
  }
  const std::string stars = "    " + std::string(66, '*') + " ";
  const std::string s15(15, '*');  // an 11-character name
  EXPECT_EQ(ReadBytes(state.ListingFileName), "\r\n\r\n" + stars + "\r\n    " + s15 +
                                                  "   PROYECTO ACTIVO:   perdido.txt   " + s15 +
                                                  "\r\n" + stars + "\r\n\r\n\r\n");
}

TEST(ListingHeader, ShortProjectFileStopsTheEchoWhereItEnds) {
  TempDir dir;
  const std::string red = ReadBytes(ListingData("data/red3.txt"));
  NetworkState state = ThreePointProject(dir.File("salida.tmp"));
  // The header and the points, without the observation lines.
  state.ProjectName = dir.Write("corto.txt", red.substr(0, 44 + 2 + 3 * (56 + 2)));
  try {
    WriteListingHeader(state);
    FAIL() << "un fichero corto no basta";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::UnexpectedEnd);
  }
  const std::vector<std::string> lines = ListingLines(state.ListingFileName);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines.back(),
            "    00 ,  3  ,   1210.40 ,   1480.75 ,      vble ,        3   -->     vble");
}

TEST(ListingHeader, ANonFiniteValueStopsBeforeReachingTheListing) {
  TempDir dir;
  NetworkState state = ThreePointProject(dir.File("salida.tmp"));
  state.Options.FullOutput = true;
  state.Equations.A(2, 2) = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(WriteListingHeader(state), ArithmeticFault);
  const std::string written = ReadBytes(state.ListingFileName);
  const std::string full = Golden("header_project_full.txt");
  // Everything up to the first element of the faulty row, and nothing else.
  const std::string firstRow = "      12.716842    -316.375190    -581.052931     254.297413\r\n";
  const std::string expected =
      full.substr(0, full.find(firstRow) + firstRow.size()) + "       0.999194";
  EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace ombrel
