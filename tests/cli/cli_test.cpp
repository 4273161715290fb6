#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::CliRun;

CliRun Cli(const std::vector<std::string>& args, const std::string& answers = "") {
  return testing::RunCliInProcess(args, answers);
}

TEST(CliLoad, ProjectPrintsTheThreeLabels) {
  const std::string example = testing::SourceDir() + "/examples/tres_puntos.txt";
  const CliRun run = Cli({"cargar", "--proyecto", example});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            example + "\nNúmero de vértices:   3   ( 1 fijo )\nNúmero de ecuaciones:   3\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliLoad, StoppingMessageGoesToErrorWithItsTitle) {
  testing::TempDir dir;
  const CliRun missing = Cli({"cargar", "--proyecto", dir.File("no.txt")});
  EXPECT_EQ(missing.status, kExitStopped);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err.rfind("[Ombrel] ¡ El fichero " + dir.File("no.txt") + " no existe !", 0),
            0u)
      << missing.err;
}

TEST(CliLoad, UsageErrorsExitWithOne) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"cargar"},
           {"cargar", "--proyecto"},
           {"cargar", "--matrices", "a", "k"},
           {"cargar", "--proyecto", "x", "--matrices", "a", "k", "p"},
           {"cargar", "--proyecto", "x", "--otra"},
           {"volar"}}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("uso:"), std::string::npos);
  }
}

}  // namespace
}  // namespace ombrel
