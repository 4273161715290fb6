// Baarda's data snooping and the reliability section, checked against an
// independent Eigen computation on the validation networks and on random
// systems, and through its listing text and failure path.
#include "adjust/statistical_analysis.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "adjust/command_steps.h"
#include "listing/listing_layout.h"
#include "listing/number_format.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::CreateEmptyListing;
using testing::LineIndex;
using testing::ListingLines;
using testing::Numbers;
using testing::RandomSystem;
using testing::TempDir;

// Reliability of every row computed from A, P, K alone.
struct Oracle {
  int n = 0, m = 0;
  double dof = 0.0;
  Eigen::VectorXd r, w, nabla, h, e;
  Eigen::MatrixXd gain;  // Qxx At P
};

Oracle Reliability(const NetworkState& s, double delta0) {
  Oracle o;
  o.n = s.Network.NumObs + s.Equations.NumCondEq;
  o.m = s.ProjectUnknowns();
  const Eigen::MatrixXd a = testing::ToEigen(s.Equations.A, o.n, o.m);
  const Eigen::MatrixXd p = testing::ToEigen(s.Equations.P, o.n, o.n);
  const Eigen::VectorXd k = testing::ToEigen(s.Equations.K, o.n);
  const Eigen::MatrixXd qxx =
      (a.transpose() * p * a).ldlt().solve(Eigen::MatrixXd::Identity(o.m, o.m));
  const Eigen::VectorXd v = a * (qxx * a.transpose() * p * k) - k;
  o.dof = o.n - o.m;
  const double s0 = std::sqrt(v.dot(p * v) / o.dof);
  const Eigen::MatrixXd hat = a * qxx * a.transpose();  // cofactors of the adjusted observations
  o.gain = qxx * a.transpose() * p;
  o.r.resize(o.n), o.w.resize(o.n), o.nabla.resize(o.n), o.h.resize(o.n), o.e.resize(o.n);
  for (int i = 0; i < o.n; ++i) {
    const double qvv = 1.0 / p(i, i) - hat(i, i);
    o.r(i) = qvv * p(i, i);
    o.w(i) = v(i) / (s0 * std::sqrt(qvv));
    o.nabla(i) = delta0 * s0 * std::sqrt(hat(i, i)) / std::sqrt(o.r(i));
    o.h(i) = delta0 / std::sqrt(o.r(i));
    o.e(i) = delta0 * std::sqrt((1.0 - o.r(i)) / o.r(i));
  }
  return o;
}

NetworkState ValidationNetwork(const std::string& name) {
  NetworkState s = testing::LoadFormed(testing::ValidationProject(name));
  testing::SolveWithEigen(s);
  s.Options.BaardaShift = 4.12;
  return s;
}

const std::string kTableHead =
    "  Observ   Residuo   Vble Baarda  redundancia     detectable    homogeneidad ";

// Half a unit of the last printed decimal, plus the rounding of the oracle.
void ExpectPrinted(double printed, double exact, int decimals, const std::string& what) {
  EXPECT_NEAR(printed, exact, 0.5 * std::pow(10.0, -decimals) + 1e-9 * std::fabs(exact)) << what;
}

TEST(StatisticalAnalysis, RowsMatchTheIndependentComputationAndRedundanciesSumToTheDof) {
  std::vector<NetworkState> systems;
  for (const std::string& name : testing::ConstrainedNetworks())
    systems.push_back(ValidationNetwork(name));
  for (unsigned seed = 1; seed <= 20; ++seed)
    systems.push_back(RandomSystem(seed, 1 + seed % 6, 16 + seed % 9, seed % 2));
  for (NetworkState& s : systems) {
    const Oracle o = Reliability(s, s.Options.BaardaShift);
    double total = 0.0;
    for (int i = 1; i <= o.n; ++i) {
      const RowReliability row = AnalyseRow(s, i);
      const auto near = [](double x, double y) {
        return std::fabs(x - y) <= 1e-7 * (1 + std::fabs(y));
      };
      EXPECT_TRUE(near(row.redundancy, o.r(i - 1))) << i << ": " << row.redundancy;
      EXPECT_TRUE(near(row.statistic, o.w(i - 1))) << i << ": " << row.statistic;
      EXPECT_TRUE(near(row.minimalError, o.nabla(i - 1))) << i << ": " << row.minimalError;
      EXPECT_TRUE(near(row.homogeneity, o.h(i - 1))) << i;
      EXPECT_TRUE(near(row.external, o.e(i - 1))) << i;
      EXPECT_NEAR(row.unchecked * row.unchecked, 1.0 - o.r(i - 1), 1e-9) << i;
      total += row.redundancy;
    }
    EXPECT_NEAR(total, o.dof, 1e-8 * o.n);
    EXPECT_NEAR(RedundancySum(s.Solution.Qvv, s.Equations.P, o.n), o.dof, 1e-8 * o.n);
  }
}

TEST(StatisticalAnalysis, FullListingOfEveryValidationNetworkReadsBackTheOracle) {
  for (const std::string& name : testing::ConstrainedNetworks()) {
    SCOPED_TRACE(name);
    TempDir dir;
    NetworkState s = ValidationNetwork(name);
    s.ListingFileName = CreateEmptyListing(dir);
    s.Options.FullOutput = true;
    ScriptedInteraction ui;
    AbandonOnFailure(s, ui, StatisticalAnalysis(s));
    ASSERT_FALSE(s.Abandon);
    EXPECT_TRUE(ui.Messages().empty());
    const Oracle o = Reliability(s, s.Options.BaardaShift);
    const std::vector<std::string> lines = ListingLines(s.ListingFileName);

    const std::size_t first = LineIndex(lines, kTableHead) + 2;
    ASSERT_LE(first + o.n, lines.size());
    for (int i = 1; i <= o.n; ++i) {
      const std::vector<double> f = Numbers(lines[first + i - 1]);
      ASSERT_EQ(f.size(), 6u) << lines[first + i - 1];
      EXPECT_EQ(f[0], s.Network.ObservationNumber(i));
      ExpectPrinted(f[1], s.Solution.Residuals(i), 5, "v");
      ExpectPrinted(f[2], o.w(i - 1), 6, "w");
      ExpectPrinted(f[3], o.r(i - 1), 8, "r");
      ExpectPrinted(f[4], o.nabla(i - 1), 7, "nabla");
      ExpectPrinted(f[5], o.h(i - 1), 8, "h");
    }
    EXPECT_EQ(lines[first + o.n], "");
    const std::vector<double> sum = Numbers(lines[first + o.n + 1].substr(29));
    const std::vector<double> mean = Numbers(lines[first + o.n + 2].substr(29));
    ExpectPrinted(sum.at(0), o.dof, 6, "suma");
    ExpectPrinted(mean.at(0), o.dof / o.n, 6, "media");

    const std::size_t external =
        LineIndex(lines, "          Observ   Sqr(1-ri)  Param. homogeneidad") + 2;
    for (int i = 1; i <= o.n; ++i) {
      const std::vector<double> f = Numbers(lines.at(external + i - 1));
      ASSERT_EQ(f.size(), 3u);
      ExpectPrinted(f[1], std::sqrt(1.0 - o.r(i - 1)), 6, "sqrt(1-r)");
      ExpectPrinted(f[2], o.e(i - 1), 8, "e");
    }

    // Every transfer line: the effect of the minimal detectable error of row
    // i on unknown j is nabla(i) G(j, i).
    std::size_t line =
        LineIndex(lines, "    TRANSFERENCIA A COORDENADAS. VECTORES DE FIABILIDAD EXTERNA") + 2;
    for (int i = 1; i <= o.n; ++i) {
      EXPECT_EQ(
          lines.at(line++),
          "    Observable numero" + RightAlignedNumberLabel(s.Network.ObservationNumber(i)) + ":");
      for (int j = 1; j <= o.m; ++j) {
        const std::string& text = lines.at(line++);
        ASSERT_NE(text.find(" .... "), std::string::npos) << text;
        const double printed = Numbers(text.substr(text.find(" .... ") + 6)).at(0);
        ExpectPrinted(printed, o.nabla(i - 1) * o.gain(j - 1, i - 1), 6, text);
      }
      EXPECT_EQ(lines.at(line++), "");
    }
    EXPECT_EQ(line, lines.size());
    for (const std::string& text : lines) {
      EXPECT_EQ(text.find("nan"), std::string::npos) << text;
      EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    }
  }
}

// The section of a random system, full or summary.
std::vector<std::string> SectionOf(NetworkState& s, bool full, ScriptedInteraction& ui) {
  TempDir dir;
  s.ListingFileName = CreateEmptyListing(dir);
  s.Options.FullOutput = full;
  AbandonOnFailure(s, ui, StatisticalAnalysis(s));
  return ListingLines(s.ListingFileName);
}

TEST(StatisticalAnalysis, SummaryListingEndsAfterTheInternalTableAndMatchesTheFullOne) {
  NetworkState full = RandomSystem(5, 3, 15, 1);  // with the scale unknown
  NetworkState summary = full;
  ScriptedInteraction ui;
  const std::vector<std::string> fullLines = SectionOf(full, true, ui);
  const std::vector<std::string> summaryLines = SectionOf(summary, false, ui);
  const std::size_t tableEnd = LineIndex(fullLines, kTableHead) + 2 + 15;
  ASSERT_EQ(summaryLines.size(), tableEnd);
  EXPECT_EQ(summaryLines,
            std::vector<std::string>(fullLines.begin(), fullLines.begin() + tableEnd));
  // The transfer of each row reaches the six coordinates and the scale.
  EXPECT_EQ(std::count_if(fullLines.begin(), fullLines.end(),
                          [](const std::string& line) {
                            return line.rfind("    Influencia sobre vble mu .... ", 0) == 0;
                          }),
            15);
  EXPECT_GT(fullLines.size(), tableEnd + 15 * 9);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(StatisticalAnalysis, NegativeDiagonalOfQvvIsUsedByItsAbsoluteValue) {
  NetworkState reference = RandomSystem(9, 2, 10, 0);
  NetworkState flipped = reference;
  flipped.Solution.Qvv(4, 4) = -flipped.Solution.Qvv(4, 4);
  ScriptedInteraction ui;
  EXPECT_EQ(SectionOf(flipped, true, ui), SectionOf(reference, true, ui));
  EXPECT_FALSE(flipped.Abandon);
}

void ExpectFailureReported(const NetworkState& s, const ScriptedInteraction& ui) {
  testing::ExpectStepFailed(
      s, ui,
      "¡ Se ha producido un error en la fase de análisis estadístico !\r\n\r\n"
      "Quizá se haya intentado resolver una red libre como red ligada \r\n"
      "o se haya introducido la incógnita de escala en un proceso que no la admite.");
}

TEST(StatisticalAnalysis, ZeroOrExcessiveRedundancyStopsTheSectionAtTheFailingRow) {
  NetworkState reference = RandomSystem(3, 2, 9, 0);
  ScriptedInteraction quiet;
  const std::vector<std::string> good = SectionOf(reference, true, quiet);
  const std::size_t firstRow = LineIndex(good, kTableHead) + 2;

  NetworkState zero = RandomSystem(3, 2, 9, 0);
  zero.Solution.Qvv(3, 3) = 0.0;  // an observation nothing else checks
  NetworkState excessive = RandomSystem(3, 2, 9, 0);
  excessive.Equations.P(5, 5) *= 1e6;  // r > 1: the square root of 1 - r is undefined
  for (auto [state, failingRow] : {std::pair{&zero, 3}, std::pair{&excessive, 5}}) {
    ScriptedInteraction ui;
    const std::vector<std::string> lines = SectionOf(*state, true, ui);
    ExpectFailureReported(*state, ui);
    const std::size_t kept = firstRow + failingRow - 1;
    ASSERT_EQ(lines.size(), kept);
    EXPECT_EQ(lines, std::vector<std::string>(good.begin(), good.begin() + kept));
  }
}

}  // namespace
}  // namespace ombrel
