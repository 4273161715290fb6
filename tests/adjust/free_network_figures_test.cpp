// The hyperellipsoid figures of free networks, whose normal matrix has the
// datum defect's zero eigenvalues: the three methods run to completion
// after either free adjustment, and their figures agree with Eigen.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>

#include "adjust/adjustment_driver.h"
#include "adjust/hyperellipsoid_axis_ellipse.h"
#include "adjust/hyperellipsoid_figures.h"
#include "adjust/open_project_command.h"
#include "adjust/plane_figures.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::TempDir;

constexpr int kDefect = 3;  // two translations and a rotation: distances fix the scale

using testing::Direction;

// Adjusts with E (type 2) or the pseudoinverse, asking for the figures and
// keeping all but the datum defect's eigenvalues.
NetworkState AdjustWithFigures(const std::string& network, bool pseudo,
                               const std::string& listing) {
  NetworkState s = testing::Loaded(testing::ValidationProject(network));
  const int m = 2 * (s.Network.NumPoints - s.Network.NumFixed);
  ScriptedInteraction ui;
  if (!pseudo) ui.Then("2");
  ui.Then(Answer::No).Then("4.12").Then(Answer::Yes).Then(listing).Then(OutputType::Full);
  if (pseudo)
    for (const char* em6 : {"1e-4", "1e-3"})
      ui.Then(Answer::Yes).Then("0.000000000001").Then(em6).Then(Answer::No);
  ui.Then(std::to_string(m - kDefect)).Then("1").Then(Answer::No);
  const CommandOutcome outcome = RunAdjustment(
      s, ui, pseudo ? AdjustmentMethod::Pseudoinverse : AdjustmentMethod::Constraints);
  EXPECT_EQ(outcome, CommandOutcome::Completed) << s.MessageText;
  EXPECT_EQ(ui.Pending(), 0u);
  return s;
}

// The eigenvalues as the listing writes them, between their heading and the
// sweep count.
std::vector<double> ListedEigenvalues(const std::string& listing) {
  const auto lines = testing::ListingLines(listing);
  std::vector<double> values;
  std::size_t at = testing::LineIndex(lines, "    DIAGONAL DE LA MATRIZ DE AUTOVALORES ") + 2;
  for (; at < lines.size() && !lines[at].empty(); ++at) values.push_back(std::stod(lines[at]));
  return values;
}

TEST(FreeNetworkFigures, ThreeMethodsCompleteAndAgreeWithEigen) {
  for (const char* network : {"syn_free5", "hoepke_free", "strangborre_free"})
    for (bool pseudo : {false, true}) {
      SCOPED_TRACE(std::string(network) + (pseudo ? " pseudoinverse" : " E"));
      TempDir dir;
      const std::string listing = dir.File("salida.tmp");
      const NetworkState s = AdjustWithFigures(network, pseudo, listing);
      EXPECT_TRUE(s.Figures.SectionsDone);
      EXPECT_TRUE(s.Figures.RosettesDone);
      EXPECT_TRUE(s.Figures.AxisProjDone);
      EXPECT_TRUE(s.Ellipses.Done);
      const int count = s.Figures.Unknowns;
      ASSERT_EQ(s.Figures.AxisProjSemiAxes, count - kDefect);
      // The zeros of the defect, whatever sign rounding gave them, are
      // written without one.
      const std::vector<double> listed = ListedEigenvalues(listing);
      ASSERT_EQ(static_cast<int>(listed.size()), count);
      for (double value : listed) EXPECT_GE(value, 0.0);

      const Eigen::MatrixXd n = testing::ProjectNormal(s);
      for (int i = 1; i < count; ++i)
        for (int j = i + 1; j <= count; ++j) {
          SCOPED_TRACE(::testing::Message() << i << "," << j);
          Eigen::Matrix2d block;
          block << n(i - 1, i - 1), n(i - 1, j - 1), n(j - 1, i - 1), n(j - 1, j - 1);
          const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> eig(block);  // ascending
          const double major = 1.0 / std::sqrt(eig.eigenvalues()(0));
          EXPECT_NEAR(s.Figures.SectionSemiMajor(i, j), major, 1e-9 * major);
          EXPECT_NEAR(s.Figures.SectionSemiMinor(i, j), 1.0 / std::sqrt(eig.eigenvalues()(1)),
                      1e-9 * major);
          // Method 3: the ellipse on two conjugate semi-diameters u, w has
          // the singular values of [u w] as semi-axes, the first left
          // singular vector along the major one; a segment where u, w align.
          const Matrix& axes = s.Figures.SemiAxisVectors;
          int t = 0;  // the graphics window recomputes the t-th ellipse of the pair
          for (int p = 1; p < s.Figures.AxisProjSemiAxes; ++p)
            for (int q = p + 1; q <= s.Figures.AxisProjSemiAxes; ++q) {
              Eigen::Matrix2d uw;
              uw << axes(i, p), axes(i, q), axes(j, p), axes(j, q);
              const Eigen::JacobiSVD<Eigen::Matrix2d> svd(uw, Eigen::ComputeFullU);
              const Eigen::Vector2d sv = svd.singularValues();
              const PlaneFigure f = AxisPairEllipse(axes(i, p), axes(j, p), axes(i, q), axes(j, q));
              EXPECT_NEAR(f.semiMajor, sv(0), 1e-9 * sv(0));
              EXPECT_NEAR(f.semiMinor, sv(1), 1e-9 * sv(0));
              const PlaneFigure drawn = AxisProjectionFigure(s.Figures, i, j, ++t);
              EXPECT_EQ(drawn.semiMajor, f.semiMajor);
              EXPECT_EQ(drawn.azimuthMajor, f.azimuthMajor);
              if (sv(0) - sv(1) > 1e-6 * sv(0)) {
                EXPECT_NEAR(std::abs(Direction(f.azimuthMajor).dot(svd.matrixU().col(0))), 1.0,
                            1e-7);
              }
            }
        }
    }
}

// Semi-axes projected onto one line span a segment.
TEST(FreeNetworkFigures, AlignedSemiAxesGiveTheSegmentTheySpan) {
  const PlaneFigure segment = AxisPairEllipse(0.003, 0.003, -0.001, -0.001);
  EXPECT_NEAR(segment.semiMajor, std::sqrt(2e-5), 1e-15);
  EXPECT_EQ(segment.semiMinor, 0.0);
  EXPECT_DOUBLE_EQ(segment.azimuthMajor, 50.0);
}

// A normal matrix with a negative eigenvalue far beyond rounding (a negative
// weight) is no datum defect: the figures still stop with their message.
TEST(FreeNetworkFigures, GenuinelyNegativeEigenvalueStillFails) {
  TempDir dir;
  NetworkState s = testing::LoadFormed(testing::ValidationProject("syn_quad_2fix"));
  s.ListingFileName = dir.File("salida.tmp");
  s.Options.FullOutput = true;
  s.Equations.P(1, 1) *= -1000.0;
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eig(testing::ProjectNormal(s));
  ASSERT_LT(eig.eigenvalues()(0), -1e-3 * eig.eigenvalues().cwiseAbs().maxCoeff());
  ScriptedInteraction ui;
  ui.Then("4").Then("1");
  const FigureRun run = HyperellipsoidFigures(s, ui);
  EXPECT_TRUE(run.failed);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kFigureFailure});
  EXPECT_FALSE(run.figures.SectionsDone);
}

}  // namespace
}  // namespace ombrel
