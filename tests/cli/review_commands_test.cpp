// The terminal's "errores", "comprobar" and "exportar" end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/adjust_command.h"
#include "cli/cli_app.h"
#include "model/gama_xml.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"

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
