// The terminal's "errores", "comprobar" and "exportar" end to end.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "model/gama_xml.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"
#include "support/validation_list.h"

namespace ombrel {
namespace {

using testing::RunCliInProcess;
using testing::TempDir;

const std::string kFree = testing::ValidationDir() + "/syn_free5/project.txt";

TEST(ReviewCommands, ErroresWritesItsOwnListingWithTheSameAnswersConventions) {
  TempDir dir;
  const std::string listing = dir.File("errores.tmp"), transcript = dir.File("t.txt");
  const testing::CliRun run = RunCliInProcess({"errores", "--proyecto", kFree, "--respuestas",
                                               dir.Write("a.txt", "=\n" + listing + "\nNo\n"),
                                               "--transcripcion", transcript});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string bytes = testing::ReadBytes(listing);
  EXPECT_NE(bytes.find("BUSQUEDA DE ERRORES GROSEROS"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(Utf8ToCp1252("observación")), std::string::npos);  // Windows-1252
  int ranked = 0;
  for (const std::string& line : testing::ListingLines(listing))
    ranked += line.size() > 8 && std::isdigit(static_cast<unsigned char>(line[5]));
  EXPECT_EQ(ranked, 15);  // every observation of the network
  EXPECT_NE(testing::ReadBytes(transcript).find("TEST DE BAARDA"), std::string::npos);
  // Answers that run out, and a listing named as the project.
  EXPECT_EQ(
      RunCliInProcess({"errores", "--proyecto", kFree, "--respuestas", dir.Write("b.txt", "=\n")})
          .status,
      kExitAnswersExhausted);
  const std::string copy = dir.Write("p.txt", testing::ReadBytes(kFree));
  const testing::CliRun refused = RunCliInProcess(
      {"errores", "--proyecto", copy, "--respuestas", dir.Write("c.txt", "=\n" + copy + "\n\n")});
  EXPECT_EQ(refused.status, kExitStopped);
  EXPECT_EQ(testing::ReadBytes(copy), testing::ReadBytes(kFree));
}

// rows x cols of m as a matrix file, every digit kept: one blank between
// elements, CR LF between rows and none after the last.
std::string MatrixText(const Matrix& m, int rows, int cols) {
  std::string text;
  char number[32];
  for (int i = 1; i <= rows; ++i)
    for (int j = 1; j <= cols; ++j) {
      std::snprintf(number, sizeof number, "%.17g", m(i, j));
      text += number;
      text += j < cols ? " " : i < rows ? "\r\n" : "";
    }
  return text;
}

// The ranked lines of a blunder listing: the observation number and the
// last five words (residual, drop, variance without it, w, redundancy).
struct RankedLine {
  int observation;
  std::vector<std::string> values;
};

std::vector<RankedLine> Ranked(const std::string& listing) {
  std::vector<RankedLine> rows;
  for (const std::string& line : testing::ListingLines(listing)) {
    if (line.size() < 8 || !std::isdigit(static_cast<unsigned char>(line[5]))) continue;
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    rows.push_back({std::stoi(words.at(1)), {words.end() - 5, words.end()}});
  }
  return rows;
}

// A network given as its matrices ranks its rows as the project it was formed from.
TEST(ReviewCommands, ErroresOnMatricesRanksTheRowsAsTheProjectRanksItsObservations) {
  int networks = 0;
  for (const auto& network : testing::ValidationNetworks()) {
    if (network.free) continue;
    SCOPED_TRACE(network.name);
    TempDir dir;
    const NetworkState s = testing::LoadFormed(network.project);
    const int n = s.Network.NumObs, u = s.Equations.NumUnknowns;
    Matrix k(n, 1);
    for (int i = 1; i <= n; ++i) k(i, 1) = s.Equations.K(i);
    const std::string a = dir.Write("A.txt", MatrixText(s.Equations.A, n, u)),
                      kFile = dir.Write("K.txt", MatrixText(k, n, 1)),
                      p = dir.Write("P.txt", MatrixText(s.Equations.P, n, n));
    const std::string byProject = dir.File("proyecto.tmp"), byMatrices = dir.File("matrices.tmp");
    ASSERT_EQ(RunCliInProcess({"errores", "--proyecto", network.project, "--respuestas",
                               dir.Write("a.txt", "=\n" + byProject + "\nNo\n")})
                  .status,
              kExitOk);
    const testing::CliRun run =
        RunCliInProcess({"errores", "--matrices", a, kFile, p, "--respuestas",
                         dir.Write("b.txt", "=\n" + byMatrices + "\nNo\n")});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const auto expected = Ranked(byProject), ranked = Ranked(byMatrices);
    ASSERT_EQ(ranked.size(), static_cast<std::size_t>(n));
    ASSERT_EQ(expected.size(), ranked.size());
    for (std::size_t place = 0; place < ranked.size(); ++place) {
      const int row = ranked[place].observation;
      ASSERT_TRUE(row >= 1 && row <= n) << row;
      EXPECT_EQ(s.Network.ObservationNumber(row), expected[place].observation) << place;
      EXPECT_EQ(ranked[place].values, expected[place].values) << place;
    }
    ++networks;
  }
  EXPECT_GE(networks, 4);
}

TEST(ReviewCommands, ComprobarNamesTheDatumDefectOfTheMethodAsked) {
  const testing::CliRun constrained = RunCliInProcess({"comprobar", "--proyecto", kFree});
  EXPECT_EQ(constrained.status, kExitOk);
  EXPECT_NE(constrained.out.find("La red tiene 0 puntos fijos"), std::string::npos)
      << constrained.out;
  const testing::CliRun free = RunCliInProcess({"comprobar", "--proyecto", kFree, "--metodo", "e"});
  EXPECT_EQ(free.out, "La red no presenta ningún defecto para la compensación con la matriz E.\n");
  EXPECT_EQ(RunCliInProcess({"comprobar", "--proyecto", kFree, "--metodo", "e", "--escala"}).status,
            kExitUsage);
}

TEST(ReviewCommands, ExportarWritesAReadableFileAndNeverOverAnInput) {
  TempDir dir;
  const std::string xml = dir.File("red.xml");
  ASSERT_EQ(RunCliInProcess({"exportar", "--proyecto", kFree, "--xml", xml}).status, kExitOk);
  const auto back = ReadGamaLocalXml(testing::ReadBytes(xml));
  ASSERT_TRUE(back) << back.error().message;
  EXPECT_EQ(back->points, PlainNetworkOf(testing::LoadFormed(kFree)).points);
  // Never over the project; a folder cannot be written.
  EXPECT_EQ(RunCliInProcess({"exportar", "--proyecto", kFree, "--xml", kFree}).status, kExitUsage);
  const testing::CliRun folder =
      RunCliInProcess({"exportar", "--proyecto", kFree, "--xml", dir.Path().string()});
  EXPECT_EQ(folder.status, kExitUsage);
  EXPECT_NE(folder.err.find("es una carpeta"), std::string::npos) << folder.err;
}

}  // namespace
}  // namespace ombrel
