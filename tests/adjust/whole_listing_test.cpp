// The whole listing of a small network, full and summary, byte for byte;
// the numbers in the expected files are checked against an independent
// least-squares solution, so the files are not merely a copy of the output.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "adjust/adjustment_driver.h"
#include "adjust/open_project_command.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::string Golden(const std::string& name) {
  return testing::SourceDir() + "/tests/adjust/golden/" + name;
}

// Runs a constrained adjustment of the golden project (copied so that the
// listing names it "red3.txt") and returns the listing's bytes.
std::string RunListing(OutputType type) {
  TempDir dir;
  const std::string project = dir.Write("red3.txt", ReadBytes(Golden("red3.txt")));
  NetworkState s;
  ScriptedInteraction ui;
  EXPECT_TRUE(LoadProjectFile(s, ui, project));
  const std::string listing = dir.File("salida.tmp");
  testing::PlainRun(ui, listing, type);
  EXPECT_EQ(RunAdjustment(s, ui, AdjustmentMethod::Inverse), CommandOutcome::Completed);
  return ReadBytes(listing);
}

// The number that follows `key` on the first line containing it.
double After(const std::string& listing, const std::string& key, int skip = 0) {
  const auto at = listing.find(key);
  EXPECT_NE(at, std::string::npos) << key;
  std::istringstream in(listing.substr(at + key.size()));
  double value = NAN;
  for (int k = 0; k <= skip; ++k) in >> value;
  return value;
}

TEST(WholeListing, FullAndSummaryMatchTheExpectedFiles) {
  EXPECT_EQ(RunListing(OutputType::Full), ReadBytes(Golden("red3_completa.txt")));
  EXPECT_EQ(RunListing(OutputType::Summary), ReadBytes(Golden("red3_resumida.txt")));
}

TEST(WholeListing, ExpectedNumbersAgreeWithAnIndependentSolution) {
  NetworkState s = testing::LoadFormed(Golden("red3.txt"));
  testing::SolveWithEigen(s);
  const std::string full = Cp1252ToUtf8(ReadBytes(Golden("red3_completa.txt")));
  const std::string summary = Cp1252ToUtf8(ReadBytes(Golden("red3_resumida.txt")));
  for (const std::string& text : {full, summary}) {
    EXPECT_NEAR(After(text, "peso unidad ="), s.Solution.Sigma0Sq, 0.5e-8);
    EXPECT_NEAR(After(text, "X(  3 )"), 50.0 + s.Solution.Corrections(1), 0.5e-3);
    EXPECT_NEAR(After(text, "Y(  3 )"), 80.0 + s.Solution.Corrections(2), 0.5e-3);
    EXPECT_NEAR(After(text, "X(  3 )", 1), std::sqrt(s.Solution.Sigma0Sq * s.Solution.Qxx(1, 1)),
                0.5e-3);
    EXPECT_NEAR(After(text, "Y(  3 )", 1), std::sqrt(s.Solution.Sigma0Sq * s.Solution.Qxx(2, 2)),
                0.5e-3);
    EXPECT_NEAR(After(text, "PARAMETROS CORREGIDOS"), s.Solution.Sigma0Sq * s.Solution.Qxx(1, 1),
                0.5e-8);
    EXPECT_NEAR(After(text, "PARAMETROS CORREGIDOS", 1), s.Solution.Sigma0Sq * s.Solution.Qxx(1, 2),
                0.5e-8);
    EXPECT_NEAR(After(text, "----------          ------------", 1), s.Solution.Residuals(1),
                0.5e-6);
  }
  EXPECT_NEAR(After(full, "Qxx = inv( At P A )"), s.Solution.Qxx(1, 1), 0.5e-10);
  EXPECT_NEAR(After(full, "Qxx = inv( At P A )", 3), s.Solution.Qxx(2, 2), 0.5e-10);
  EXPECT_NEAR(After(full, "MATRIZ ( At P A )"), s.Solution.NormalMatrix(1, 1), 0.5e-6);
  EXPECT_NEAR(After(full, "Suma de las redundancias"), 1.0, 0.5e-6);  // r = 3 - 2
  EXPECT_EQ(summary.find("MATRIZ ( At P A )"), std::string::npos);
  EXPECT_EQ(summary.find("SESGO RESIDUAL"), std::string::npos);
}

}  // namespace
}  // namespace ombrel
