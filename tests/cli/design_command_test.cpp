// End-to-end runs of "ombrel-cli diseno" with answers files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "model/text_file.h"
#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

using Outcome = testing::CliRun;

Outcome Diseno(std::vector<std::string> args) {
  args.insert(args.begin(), "diseno");
  return testing::RunCliInProcess(args);
}

TEST(DisenoCommand, TheDefaultCriterionFileIsReadFromTheWorkingFolder) {
  TempDir dir;
  const std::string listing = dir.File("salida.tmp");
  // The upper triangle of a 4 x 4 criterion, unlike any the network gives.
  dir.Write("QxxE.txt", "0.001 0.0002 0 0.0003\r\n0.002 0.0004 0\r\n0.003 0\r\n0.004\r\n");
  const std::string answers = dir.Write(
      "respuestas.txt", listing + "\nNo\nNo\n=\n# criterio del fichero\n3\n=\nNo\nNo\nNo\n");
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  const Outcome run = Diseno({"--proyecto", testing::ValidationProject("syn_quad_2fix"), "--orden",
                              "2", "--respuestas", answers});
  std::filesystem::current_path(saved);
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<std::string> lines = testing::ListingLines(listing);
  std::size_t at = 0;
  while (at < lines.size() && lines[at].find("MATRIZ COFACTOR DESEADA  QxxE") == std::string::npos)
    ++at;
  ASSERT_LT(at + 5, lines.size());
  EXPECT_EQ(testing::Numbers(lines[at + 2]), (std::vector<double>{0.001, 0.0002, 0, 0.0003}));
  EXPECT_EQ(testing::Numbers(lines[at + 3]), (std::vector<double>{0.0002, 0.002, 0.0004, 0}));
  EXPECT_EQ(testing::Numbers(lines[at + 5]), (std::vector<double>{0.0003, 0, 0, 0.004}));

  // A transcript named as the criterion file read is not written over it.
  const std::string criterion = testing::ReadBytes(dir.File("QxxE.txt"));
  std::filesystem::current_path(dir.Path());
  const std::string again = dir.Write("otra.txt", listing + "\nSi\nNo\nNo\n=\n3\n=\nNo\nNo\nNo\n");
  const Outcome kept = Diseno({"--proyecto", testing::ValidationProject("syn_quad_2fix"), "--orden",
                               "2", "--respuestas", again, "--transcripcion", "QxxE.txt"});
  std::filesystem::current_path(saved);
  EXPECT_EQ(kept.status, kExitStopped);
  EXPECT_EQ(testing::ReadBytes(dir.File("QxxE.txt")), criterion);
}

TEST(DisenoCommand, RefusesAnOrderOutsideZeroToTwoAndMissingAnswers) {
  TempDir dir;
  const Outcome bad =
      Diseno({"--proyecto", testing::ValidationProject("syn_quad_2fix"), "--orden", "3"});
  EXPECT_EQ(bad.status, kExitUsage);
  EXPECT_NE(bad.err.find("diseno"), std::string::npos);
  for (const char* option : {"--decimales", "--precision"})
    EXPECT_EQ(Diseno({"--proyecto", testing::ValidationProject("syn_quad_2fix"), "--orden", "0",
                      option, "1e999"})
                  .status,
              kExitUsage)
        << option;

  const std::string answers = dir.Write("respuestas.txt", dir.File("salida.tmp") + "\n1\n");
  const Outcome shortAnswers = Diseno({"--proyecto", testing::ValidationProject("syn_quad_2fix"),
                                       "--orden", "0", "--respuestas", answers});
  EXPECT_NE(shortAnswers.status, kExitOk);
  EXPECT_NE(shortAnswers.status, kExitUsage);
  EXPECT_NE(shortAnswers.err.find("Faltan respuestas"), std::string::npos);
}

}  // namespace
}  // namespace ombrel
