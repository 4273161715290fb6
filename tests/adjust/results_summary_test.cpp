#include "adjust/results_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adjust/command_steps.h"
#include "model/text_file.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::CreateEmptyListing;
using testing::ListingLines;
using testing::ReadBytes;
using testing::Sp;
using testing::TempDir;

// Two variable points numbered 7 and 12 between fixed points 3 and 5, with
// sigma0^2 = 4 so that every standard deviation is 2 sqrt(Qxx(u, u)).
NetworkState TwoVariablePoints(const std::string& listing) {
  NetworkState s;
  s.ListingFileName = listing;
  s.Network.NumPoints = 4;
  s.Network.NumFixed = 2;
  s.Network.PointX.Redim(4);
  s.Network.PointY.Redim(4);
  s.Network.VariableIndex.Redim(4);
  s.Network.PointNumber.Redim(4);
  const int numbers[] = {3, 7, 5, 12};
  for (int j = 1; j <= 4; ++j) s.Network.PointNumber(j) = numbers[j - 1];
  s.Network.VariableIndex(2) = 1;
  s.Network.VariableIndex(4) = 2;
  s.Network.PointX(2) = 1000.5;
  s.Network.PointY(2) = 2000.25;
  s.Network.PointX(4) = -15.75;
  s.Network.PointY(4) = 350.0;
  s.Solution.Corrections.Redim(4);
  s.Solution.Qxx.Redim(4, 4);
  const double x[] = {0.0123, -0.0456, 0.1, -0.0004};
  const double q[] = {0.0001, 0.000009, 0.0025, 0.25};  // sigma 0.02, 0.006, 0.1, 1
  for (int u = 1; u <= 4; ++u) {
    s.Solution.Corrections(u) = x[u - 1];
    s.Solution.Qxx(u, u) = q[u - 1];
  }
  s.Solution.Sigma0Sq = 4.0;
  return s;
}

// The layout of the point lines is fixed by the whole-listing files (three
// decimals) and read back at ten decimals by the validation runs of the
// command line; the scale correction has a line of its own.
TEST(ResultsSummary, ScaleCorrectionAlwaysInSixDecimalsAndPpm) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
  s.Equations.ScaleUnknown = 1;
  Vector x(5);
  Matrix q(5, 5);
  for (int u = 1; u <= 4; ++u) {
    x(u) = s.Solution.Corrections(u);
    q(u, u) = s.Solution.Qxx(u, u);
  }
  x(5) = 0.0000123;
  q(5, 5) = 1e-12;  // sigma 2e-6
  s.Solution.Corrections = x;
  s.Solution.Qxx = q;
  ScriptedInteraction ui;
  AbandonOnFailure(s, ui, WriteResultsSummary(s));
  const auto lines = ListingLines(s.ListingFileName);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[19], Sp(8) + "0.000012  -->  factor =    12.30 ppm" + Sp(11) + "0.000002");
  EXPECT_EQ(lines[23], "      Estimador de la varianza del observable de peso unidad:    4.00000");
}

const char* const kFailure = "¡ Se ha producido un error al mostrar el resumen !";

TEST(ResultsSummary, NegativeVarianceStopsTheSectionWithItsMessage) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
  s.Solution.Qxx(4, 4) = -0.25;  // the last standard deviation has no square root
  ScriptedInteraction ui;
  AbandonOnFailure(s, ui, WriteResultsSummary(s));
  testing::ExpectStepFailed(s, ui, kFailure);

  // The three complete point lines stay; the fourth is never written.
  const std::string text = Cp1252ToUtf8(ReadBytes(s.ListingFileName));
  EXPECT_NE(text.find("X( 12 )"), std::string::npos);
  EXPECT_EQ(text.find("Y( 12 )"), std::string::npos);
  EXPECT_EQ(text.find("Estimador"), std::string::npos);
  testing::ExpectNoNonFiniteText(text);

  // The same state, repaired, gives the complete section.
  s.Abandon = false;
  s.Solution.Qxx(4, 4) = 0.25;
  CreateEmptyListing(dir);
  ScriptedInteraction again;
  AbandonOnFailure(s, again, WriteResultsSummary(s));
  EXPECT_FALSE(s.Abandon);
  EXPECT_TRUE(again.Calls().empty());
  EXPECT_EQ(ListingLines(s.ListingFileName).size(), 23u);
}

}  // namespace
}  // namespace ombrel
