// "ombrel-cli compensar --dxf": the network and its absolute ellipses, as
// the graphics window exports them, checked against the listing's table.
#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_app.h"
#include "support/cli_run.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

int Compensar(std::vector<std::string> args, std::string& err) {
  args.insert(args.begin(), "compensar");
  const testing::CliRun run = testing::RunCliInProcess(args);
  err = run.err;
  return run.status;
}

TEST(CompensarDxf, WritesTheNetworkAndTheAbsoluteEllipsesOfTheListing) {
  TempDir dir;
  const std::string listing = dir.File("salida.tmp");
  const std::string dxf = dir.File("red.dxf");
  const std::string answers =
      dir.Write("respuestas.txt", "No\nNo\n=\nNo\n" + listing + "\ncompleta\nNo\n");
  std::string err;
  ASSERT_EQ(Compensar({"--proyecto", testing::ValidationDir() + "/benning82/project.txt",
                       "--metodo", "inversa", "--respuestas", answers, "--dxf", dxf},
                      err),
            kExitOk)
      << err;
  const auto axes = testing::ListedAxes(testing::ListingLines(listing));
  ASSERT_FALSE(axes.empty());
  const auto lines = testing::ListingLines(dxf);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back(), "EOF");
  // Walk the entities: the figure lines on layer 2 are the major axes, in
  // item order, 2 * 5000 * A long.
  std::vector<double> drawn;
  int points = 0, facHom = 0;
  for (std::size_t i = 5; i + 3 < lines.size(); ++i) {
    if (lines[i] == "POINT") ++points;
    if (lines[i] == "Fac Hom Elipses = 5000 ") ++facHom;
    if (lines[i] != "LINE" || lines[i + 2] != "2") continue;
    EXPECT_EQ(lines[i + 4], "7");
    const double x1 = std::stod(lines[i + 6]), y1 = std::stod(lines[i + 8]);
    const double x2 = std::stod(lines[i + 10]), y2 = std::stod(lines[i + 12]);
    drawn.push_back(std::hypot(x2 - x1, y2 - y1) / 2 / 5000);
  }
  EXPECT_EQ(facHom, 1);
  ASSERT_EQ(drawn.size(), axes.size());
  for (std::size_t k = 0; k < axes.size(); ++k) EXPECT_NEAR(drawn[k], axes[k].a, 5e-5) << k;
  EXPECT_EQ(points, 126 * static_cast<int>(axes.size()));
}

TEST(CompensarDxf, NeedsAProjectAndAFileName) {
  std::string err;
  EXPECT_EQ(Compensar({"--matrices", "A.txt", "K.txt", "P.txt", "--metodo", "inversa", "--dxf",
                       "red.dxf"},
                      err),
            kExitUsage);
  EXPECT_NE(err.find("--proyecto"), std::string::npos);
  EXPECT_EQ(Compensar({"--proyecto", "p.txt", "--metodo", "inversa", "--dxf"}, err), kExitUsage);
  EXPECT_NE(err.find("--dxf"), std::string::npos);
}

TEST(CompensarDxf, AFileThatCannotBeWrittenSaysWhy) {
  TempDir dir;
  const std::string answers =
      dir.Write("respuestas.txt", "No\nNo\n=\nNo\n" + dir.File("salida.tmp") + "\ncompleta\nNo\n");
  std::string err;
  EXPECT_EQ(Compensar({"--proyecto", testing::ValidationDir() + "/benning82/project.txt",
                       "--metodo", "inversa", "--respuestas", answers, "--dxf", "/dev/full"},
                      err),
            kExitStopped);
  EXPECT_NE(err.find("No se puede escribir el fichero /dev/full: no queda espacio en el disco.\n"),
            std::string::npos)
      << err;
}

}  // namespace
}  // namespace ombrel
