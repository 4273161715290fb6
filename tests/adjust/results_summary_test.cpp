#include "adjust/results_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

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

std::vector<std::string> Blank(int n) {
  return std::vector<std::string>(static_cast<std::size_t>(n), "");
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Everything the section writes before its point lines.
std::vector<std::string> Opening(const std::string& head, const std::string& dashes) {
  const std::string stars = "    " + std::string(66, '*');
  return Blank(7) +
         std::vector<std::string>{
             stars, "    ******************    RESUMEN DE RESULTADOS     ******************",
             stars} +
         Blank(3) + std::vector<std::string>{head, dashes};
}

const char* kFullHead = "      Correcciones     Variables compensadas     Desviaciones típicas ";
const char* kFullDashes = "      ------------     ---------------------     -------------------- ";

std::vector<std::string> Closing(const std::string& sigma0Sq) {
  return Blank(3) +
         std::vector<std::string>{"      Estimador de la varianza del observable de peso unidad: " +
                                  sigma0Sq};
}

// Two variable points numbered 7 and 12 between fixed points 3 and 5, with
// sigma0^2 = 4 so that every standard deviation is 2 sqrt(Qxx(u, u)).
NetworkState TwoVariablePoints(const std::string& listing) {
  NetworkState s;
  s.ListingFileName = listing;
  s.NumPoints = 4;
  s.NumFixed = 2;
  s.PointX.Redim(4);
  s.PointY.Redim(4);
  s.VariableIndex.Redim(4);
  s.PointNumber.Redim(4);
  const int numbers[] = {3, 7, 5, 12};
  for (int j = 1; j <= 4; ++j) s.PointNumber(j) = numbers[j - 1];
  s.VariableIndex(2) = 1;
  s.VariableIndex(4) = 2;
  s.PointX(2) = 1000.5;
  s.PointY(2) = 2000.25;
  s.PointX(4) = -15.75;
  s.PointY(4) = 350.0;
  s.Corrections.Redim(4);
  s.Qxx.Redim(4, 4);
  const double x[] = {0.0123, -0.0456, 0.1, -0.0004};
  const double q[] = {0.0001, 0.000009, 0.0025, 0.25};  // sigma 0.02, 0.006, 0.1, 1
  for (int u = 1; u <= 4; ++u) {
    s.Corrections(u) = x[u - 1];
    s.Qxx(u, u) = q[u - 1];
  }
  s.Sigma0Sq = 4.0;
  return s;
}

TEST(ResultsSummary, FullLayoutWithThreeDecimals) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  EXPECT_FALSE(s.Abandon);
  EXPECT_TRUE(ui.Calls().empty());
  // A correction of -0.0004 rounds to zero and loses its sign.
  const auto expected =
      Opening(kFullHead, kFullDashes) +
      std::vector<std::string>{
          Sp(8) + "0.012" + Sp(10) + "X(  7 )" + Sp(3) + "1000.512" + Sp(14) + "0.020",
          Sp(7) + "-0.046" + Sp(10) + "Y(  7 )" + Sp(3) + "2000.204" + Sp(14) + "0.006",
          Sp(8) + "0.100" + Sp(10) + "X( 12 )" + Sp(4) + "-15.650" + Sp(14) + "0.100",
          Sp(8) + "0.000" + Sp(10) + "Y( 12 )" + Sp(4) + "350.000" + Sp(14) + "1.000",
      } +
      Closing(Sp(3) + "4.00000");
  EXPECT_EQ(ListingLines(s.ListingFileName), expected);
}

TEST(ResultsSummary, SixOrMoreDecimalsLeaveNoPadding) {
  const struct {
    int decimals;
    std::string line;
  } cases[] = {
      {6, Sp(8) + "0.012300" + Sp(7) + "X(  7 )" + Sp(3) + "1000.512300" + Sp(11) + "0.020000"},
      {8,
       Sp(8) + "0.01230000" + Sp(7) + "X(  7 )" + Sp(3) + "1000.51230000" + Sp(11) + "0.02000000"}};
  for (const auto& c : cases) {
    TempDir dir;
    NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
    s.OutputDecimals = c.decimals;
    ScriptedInteraction ui;
    WriteResultsSummary(s, ui);
    const auto lines = ListingLines(s.ListingFileName);
    ASSERT_GT(lines.size(), 15u);
    EXPECT_EQ(lines[15], c.line);
  }
}

TEST(ResultsSummary, ScaleCorrectionAlwaysInSixDecimalsAndPpm) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
  s.ScaleUnknown = 1;
  Vector x(5);
  Matrix q(5, 5);
  for (int u = 1; u <= 4; ++u) {
    x(u) = s.Corrections(u);
    q(u, u) = s.Qxx(u, u);
  }
  x(5) = 0.0000123;
  q(5, 5) = 1e-12;  // sigma 2e-6
  s.Corrections = x;
  s.Qxx = q;
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  const auto lines = ListingLines(s.ListingFileName);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[19], Sp(8) + "0.000012  -->  factor =    12.30 ppm" + Sp(11) + "0.000002");
  EXPECT_EQ(lines[23], "      Estimador de la varianza del observable de peso unidad:    4.00000");
}

// Matrix input: points 1 .. NumPoints - 2 are the variable ones, numbered
// by their position; the two last stand for the implied fixed points.
NetworkState ImportedOnePoint(const std::string& listing) {
  NetworkState s;
  s.ListingFileName = listing;
  s.MatrixInput = true;
  s.NumPoints = 3;
  s.NumFixed = 2;
  s.PointX.Redim(3);
  s.PointY.Redim(3);
  s.VariableIndex.Redim(3);
  s.PointNumber.Redim(3);
  s.VariableIndex(1) = 1;
  s.PointNumber(1) = 1;
  s.Corrections.Redim(2);
  s.Corrections(1) = 0.0123;
  s.Corrections(2) = -0.0456;
  s.Qxx.Redim(2, 2);
  s.Qxx(1, 1) = 0.0001;
  s.Qxx(2, 2) = 0.0000144;  // sigma 0.0019
  s.Sigma0Sq = 0.25;
  return s;
}

TEST(ResultsSummary, MatrixInputWithoutCoordinatesGetsShortLayout) {
  TempDir dir;
  NetworkState s = ImportedOnePoint(CreateEmptyListing(dir));
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  const auto expected =
      Opening("      Correcciones                              Desviaciones Típicas ",
              "      ------------                              -------------------- ") +
      std::vector<std::string>{Sp(8) + "0.012" + Sp(42) + "0.005",
                               Sp(7) + "-0.046" + Sp(42) + "0.002"} +
      Closing(Sp(3) + "0.25000");
  EXPECT_EQ(ListingLines(s.ListingFileName), expected);
}

TEST(ResultsSummary, MatrixInputWithCoordinatesGetsFullLayout) {
  TempDir dir;
  NetworkState s = ImportedOnePoint(CreateEmptyListing(dir));
  s.ApproxCoordsGiven = true;
  s.PointX(1) = 500.0;
  s.PointY(1) = 600.0;
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  const auto expected =
      Opening(kFullHead, kFullDashes) +
      std::vector<std::string>{
          Sp(8) + "0.012" + Sp(10) + "X(  1 )" + Sp(4) + "500.012" + Sp(14) + "0.005",
          Sp(7) + "-0.046" + Sp(10) + "Y(  1 )" + Sp(4) + "599.954" + Sp(14) + "0.002"} +
      Closing(Sp(3) + "0.25000");
  EXPECT_EQ(ListingLines(s.ListingFileName), expected);
}

const char* const kFailure = "¡ Se ha producido un error al mostrar el resumen !";

TEST(ResultsSummary, NegativeVarianceStopsTheSectionWithItsMessage) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(CreateEmptyListing(dir));
  s.Qxx(4, 4) = -0.25;  // the last standard deviation has no square root
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  testing::ExpectStepFailed(s, ui, kFailure);

  // The three complete point lines stay; the fourth is never written.
  const std::string text = Cp1252ToUtf8(ReadBytes(s.ListingFileName));
  EXPECT_NE(text.find("X( 12 )"), std::string::npos);
  EXPECT_EQ(text.find("Y( 12 )"), std::string::npos);
  EXPECT_EQ(text.find("Estimador"), std::string::npos);
  testing::ExpectNoNonFiniteText(text);

  // The same state, repaired, gives the complete section.
  s.Abandon = false;
  s.Qxx(4, 4) = 0.25;
  CreateEmptyListing(dir);
  ScriptedInteraction again;
  WriteResultsSummary(s, again);
  EXPECT_FALSE(s.Abandon);
  EXPECT_TRUE(again.Calls().empty());
  EXPECT_EQ(ListingLines(s.ListingFileName).size(), 23u);
}

TEST(ResultsSummary, UnwritableListingIsReportedTheSameWay) {
  TempDir dir;
  NetworkState s = TwoVariablePoints(dir.File("no-existe/salida.tmp"));
  ScriptedInteraction ui;
  WriteResultsSummary(s, ui);
  testing::ExpectStepFailed(s, ui, kFailure);
}

}  // namespace
}  // namespace ombrel
