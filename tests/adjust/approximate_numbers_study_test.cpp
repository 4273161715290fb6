#include "adjust/approximate_numbers_study.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <sstream>
#include <string>
#include <vector>

#include "adjust/command_steps.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::CreateEmptyListing;
using testing::ListingLines;
using testing::Numbers;
using testing::ReadBytes;
using testing::Sp;
using testing::TempDir;

// Listing line where the rows of dA start, and where the rows of dS start
// for n equations: four blanks, banner, four blanks, heading, blank, two
// heading lines; after dA two blanks, heading, blank.
constexpr std::size_t kFirstRowOfDA = 15;
std::size_t FirstRowOfDS(int n) {
  return kFirstRowOfDA + static_cast<std::size_t>(n) + 4;
}

// n equations in the unknowns of the variable points numbered `numbers`
// (fixed points 1 and 2 ahead of them), optionally with the scale column.
NetworkState System(const std::vector<int>& numbers, int n, int scale) {
  NetworkState s;
  const int points = static_cast<int>(numbers.size());
  s.Network.NumFixed = 2;
  s.Network.NumPoints = points + 2;
  s.Network.NumObs = n;
  s.Equations.ScaleUnknown = scale;
  s.Network.VariableIndex.Redim(s.Network.NumPoints);
  s.Network.PointNumber.Redim(s.Network.NumPoints);
  s.Network.PointNumber(1) = 1;
  s.Network.PointNumber(2) = 2;
  for (int k = 1; k <= points; ++k) {
    s.Network.PointNumber(k + 2) = numbers[static_cast<std::size_t>(k - 1)];
    s.Network.VariableIndex(k + 2) = k;
  }
  const int m = 2 * points + scale;
  s.Equations.A.Redim(n, m);
  s.Equations.CoefficientErrors.Redim(n, m);
  s.Equations.P.Redim(n, n);
  return s;
}

// dS = At P dA + dAt P A with Eigen.
Eigen::MatrixXd ExpectedDS(const NetworkState& s, int n, int m) {
  const Eigen::MatrixXd a = testing::ToEigen(s.Equations.A, n, m);
  const Eigen::MatrixXd da = testing::ToEigen(s.Equations.CoefficientErrors, n, m);
  const Eigen::MatrixXd p = testing::ToEigen(s.Equations.P, n, n);
  return a.transpose() * p * da + da.transpose() * p * a;
}

// The printed dS agrees with Eigen to its six decimals and is symmetric.
void ExpectPrintedDS(const std::vector<std::string>& lines, const NetworkState& s, int n, int m) {
  const Eigen::MatrixXd expected = ExpectedDS(s, n, m);
  ASSERT_GE(lines.size(), FirstRowOfDS(n) + static_cast<std::size_t>(m) + 1);
  EXPECT_EQ(lines[FirstRowOfDS(n) - 2], "    MATRIZ DE ERRORES EN S (AtPA): dS ");
  std::vector<std::vector<double>> printed;
  for (int i = 0; i < m; ++i) {
    printed.push_back(Numbers(lines[FirstRowOfDS(n) + static_cast<std::size_t>(i)]));
    ASSERT_EQ(printed.back().size(), static_cast<std::size_t>(m)) << "row " << i + 1;
  }
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < m; ++j) {
      EXPECT_NEAR(printed[i][j], expected(i, j), 5.0001e-7) << i + 1 << "," << j + 1;
      EXPECT_EQ(printed[i][j], printed[j][i]) << i + 1 << "," << j + 1;
    }
  EXPECT_EQ(lines[FirstRowOfDS(n) + static_cast<std::size_t>(m)], "");
}

TEST(ApproximateNumbersStudy, ScaleColumnWidensHeadingRowsAndDS) {
  TempDir dir;
  NetworkState s = System({12, 7}, 4, 1);  // two points and the scale: m = 5
  s.ListingFileName = CreateEmptyListing(dir);
  s.Network.NumObs = 3;
  s.Equations.NumCondEq = 1;  // the fourth row is a condition equation
  const double a[4][5] = {{0.96, -0.28, 0, 0, -25},
                          {-12.5, 31.25, 8.75, -40.0, 0},
                          {0, 0, -0.6, 0.8, -40},
                          {1, 0, -1, 0, 0}};
  const double da[4][5] = {{0.0011, 0.0014, 0, 0, 0},
                           {0.021, 0.035, 0.0125, 0.05, 0},
                           {0, 0, 0.0009, 0.0012, 0},
                           {0, 0, 0, 0, 0}};
  const double w[4] = {4, 0.5, 9, 100};
  for (int i = 1; i <= 4; ++i) {
    s.Equations.P(i, i) = w[i - 1];
    for (int c = 1; c <= 5; ++c) {
      s.Equations.A(i, c) = a[i - 1][c - 1];
      s.Equations.CoefficientErrors(i, c) = da[i - 1][c - 1];
    }
  }
  s.Equations.CoefficientErrors(1, 5) =
      0.25;  // not formed by the program, but printed like any other
  ScriptedInteraction ui;
  AbandonOnFailure(s, ui, ApproximateNumbersStudy(s));
  ASSERT_FALSE(s.Abandon);

  const auto lines = ListingLines(s.ListingFileName);
  ASSERT_GT(lines.size(), kFirstRowOfDA + 4);
  EXPECT_EQ(lines[13],
            "    Vble X( 12 )   Vble Y( 12 )   Vble X(  7 )   Vble Y(  7 )   Correcc escala ");
  EXPECT_EQ(lines[14],
            "    ------------   ------------   ------------   ------------   -------------- ");
  // Four fields of 15 characters and the scale field of 16, on every row.
  EXPECT_EQ(lines[kFirstRowOfDA], Sp(7) + "0.001100" + Sp(7) + "0.001400" + Sp(7) + "0.000000" +
                                      Sp(7) + "0.000000" + Sp(8) + "0.250000");
  for (std::size_t i = kFirstRowOfDA; i < kFirstRowOfDA + 4; ++i)
    EXPECT_EQ(lines[i].size(), 4u * 15u + 16u) << i;
  ExpectPrintedDS(lines, s, 4, 5);
}

// Two fixed points and point 3 at (1024, 1013), 24 m east and 13 m north of
// point 1; distances 1-3 and 2-3 and the angle at 1 from 2 to 3.
std::string DistanceProject() {
  return " 0 ,Ptos ,         3 ,Ecuaciones ,         3\r\n"
         "00 ,  1  ,   1000.00 ,   1000.00 ,      fijo ,        1 \r\n"
         "00 ,  2  ,   1100.00 ,   1000.00 ,      fijo ,        2 \r\n"
         "00 ,  3  ,   1024.00 ,   1013.00 ,      vble ,        3 \r\n"
         "1  , -99 ,        1  ,        3  ,    27.300 ,         4\r\n"
         "2  , -99 ,        2  ,        3  ,    77.100 ,         9\r\n"
         "3  ,  2  ,        1  ,        3  ,  368.4000 ,         2\r\n";
}

TEST(ApproximateNumbersStudy, DigitsOfAFormedNetwork) {
  TempDir dir;
  NetworkState s = testing::Loaded(dir.Write("proyecto.txt", DistanceProject()));
  s.Options.StudyApprox = true;
  s.Options.ApproxPrecision = 0.01;
  testing::FormAnew(s);
  ScriptedInteraction ui;
  s.ListingFileName = CreateEmptyListing(dir);
  AbandonOnFailure(s, ui, ApproximateNumbersStudy(s));
  ASSERT_FALSE(s.Abandon);

  // Distance 1-3, d = sqrt(745), with 0.01 m on every coordinate difference:
  // dX = 24 has the limit 1/(2 10^3), d (relative error 0.37 / d^2) as well;
  // sin = 24/d = 0.8793 with relative error 1e-3 keeps the limit 1/(8 10^2),
  // so its bound is 0.8793 / 800 = 0.0010991. dY = 13 has the limit 1/10^3;
  // cos = 13/d = 0.4763 with 1.5e-3 keeps 1/(4 10^2): 0.4763 / 400 = 0.0011907.
  const auto lines = ListingLines(s.ListingFileName);
  ASSERT_GT(lines.size(), kFirstRowOfDA + 3);
  EXPECT_EQ(lines[13], "    Vble X(  3 )   Vble Y(  3 )  ");
  EXPECT_EQ(lines[kFirstRowOfDA], Sp(7) + "0.001099" + Sp(7) + "0.001191");
  ExpectPrintedDS(lines, s, 3, 2);
}

const char* const kFailure =
    "¡ Se ha producido un error al mostrar las cifras del cálculo con números aproximados !";

TEST(ApproximateNumbersStudy, OverflowInTheProductsKeepsDAAndReports) {
  TempDir dir;
  NetworkState s = System({7}, 2, 0);
  s.ListingFileName = CreateEmptyListing(dir);
  s.Equations.A(1, 1) = 1e160;
  s.Equations.A(2, 2) = 1;
  s.Equations.P(1, 1) = 1;
  s.Equations.P(2, 2) = 1;
  s.Equations.CoefficientErrors(1, 1) = 1e160;  // At P dA overflows
  s.Equations.CoefficientErrors(2, 2) = 0.002;
  ScriptedInteraction ui;
  AbandonOnFailure(s, ui, ApproximateNumbersStudy(s));
  testing::ExpectStepFailed(s, ui, kFailure);

  const auto lines = ListingLines(s.ListingFileName);
  ASSERT_EQ(lines.size(), kFirstRowOfDA + 2);  // dA is on disk, dS never begins
  EXPECT_EQ(lines.back(), Sp(7) + "0.000000" + Sp(7) + "0.002000");
  testing::ExpectNoNonFiniteText(ReadBytes(s.ListingFileName));

  // Repaired, the same state gives the whole section.
  s.Abandon = false;
  s.Equations.A(1, 1) = 1;
  s.Equations.CoefficientErrors(1, 1) = 0.001;
  CreateEmptyListing(dir);
  ScriptedInteraction again;
  AbandonOnFailure(s, again, ApproximateNumbersStudy(s));
  EXPECT_FALSE(s.Abandon);
  ExpectPrintedDS(ListingLines(s.ListingFileName), s, 2, 2);
}

}  // namespace
}  // namespace ombrel
