// The hyperellipsoid figures against Eigen: sections from the 2 x 2 blocks
// of N, rosettes from the Schur complements of its 3 x 3 blocks, and the
// conjugate-semi-diameter ellipses checked on their own defining property.
#include "adjust/hyperellipsoid_figures.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <numbers>
#include <utility>

#include "adjust/plane_figures.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::Direction;
using testing::TempDir;

constexpr double kGon = std::numbers::pi / 200.0;

// syn_quad_2fix: two variable points, m' = 4, N regular.
NetworkState Network(const TempDir& dir, bool full = true) {
  NetworkState s = testing::LoadFormed(testing::ValidationProject("syn_quad_2fix"));
  s.ListingFileName = dir.File("salida.tmp");
  s.Options.FullOutput = full;
  return s;
}

// Runs the figures and keeps them in s, as the adjustment does; true when
// they failed.
bool RunFigures(NetworkState& s, Interaction& ui) {
  FigureRun run = HyperellipsoidFigures(s, ui);
  s.Figures = std::move(run.figures);
  return run.failed;
}

// Semi-axes and major-axis direction (unit vector along i, j) of x^t M x = 1.
struct Axes {
  double major, minor;
  Eigen::Vector2d direction;
};

Axes AxesOf(const Eigen::Matrix2d& m) {
  const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> eig(m);  // ascending
  return {1.0 / std::sqrt(eig.eigenvalues()(0)), 1.0 / std::sqrt(eig.eigenvalues()(1)),
          eig.eigenvectors().col(0)};
}

void ExpectSameAxes(double major, double minor, double azimuthGon, const Axes& want) {
  EXPECT_NEAR(major, want.major, 1e-9 * want.major);
  EXPECT_NEAR(minor, want.minor, 1e-9 * want.major);
  // Directions agree up to sign.
  EXPECT_NEAR(std::abs(Direction(azimuthGon).dot(want.direction)), 1.0, 1e-7);
}

// The prompts refuse what they cannot use and ask again.
TEST(HyperellipsoidFigures, AgreeWithTheBlocksOfTheNormalMatrix) {
  TempDir dir;
  NetworkState s = Network(dir);
  ScriptedInteraction ui;
  for (const char* bad : {"0", " 1", "1.5", "5", "-1", "a", "2,"}) ui.Then(bad);
  ui.Then("4");
  for (const char* bad : {"1,5", "-2", "1.2.3", "x"}) ui.Then(bad);
  ui.Then("2.5");
  ASSERT_FALSE(RunFigures(s, ui));
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"), 7);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Algún carácter no es válido !"), 4);
  const auto prompts = ui.Prompts();
  EXPECT_EQ(
      prompts.front().text.rfind("\r\nIndique el numero VALORES PROPIOS a conservar : \r\n\r\n", 0),
      0u);
  EXPECT_EQ(prompts.front().defaultText, "1");
  EXPECT_EQ(prompts.back().text, "\r\n\r\nFactor homotecia para el hiperelipsoide homotético : ");
  const Eigen::MatrixXd n = testing::ProjectNormal(s);
  const int count = 4;
  const double c = 2.5;
  for (int i = 1; i < count; ++i)
    for (int j = i + 1; j <= count; ++j) {
      SCOPED_TRACE(::testing::Message() << i << "," << j);
      Eigen::Matrix2d block;
      block << n(i - 1, i - 1), n(i - 1, j - 1), n(j - 1, i - 1), n(j - 1, j - 1);
      ExpectSameAxes(s.Figures.SectionSemiMajor(i, j), s.Figures.SectionSemiMinor(i, j),
                     s.Figures.SectionAzimuth(i, j) / kGon, AxesOf(block));
      for (int q = 1; q <= count; ++q) {
        if (q == i || q == j) continue;
        // The projection of the section by (i, j, q): the Schur complement.
        Eigen::Vector2d coupling(n(i - 1, q - 1), n(j - 1, q - 1));
        const Eigen::Matrix2d schur = block - coupling * coupling.transpose() / n(q - 1, q - 1);
        const int row = FigurePairIndex(i, j, count);
        // Stored as the standard figure: the homothetic axes divided by c.
        const Axes homothetic = AxesOf(schur / (c * c));
        ExpectSameAxes(s.Figures.RosetteSemiMajor(row, q) * c,
                       s.Figures.RosetteSemiMinor(row, q) * c,
                       s.Figures.RosetteAzimuth(row, q) / kGon, homothetic);
      }
      ASSERT_EQ(s.Figures.AxisProjCount, 6);
      for (int t = 1; t <= s.Figures.AxisProjCount; ++t) {
        const PlaneFigure f = AxisProjectionFigure(s.Figures, i, j, t);
        const Eigen::Vector2d d1 = Direction(f.azimuthMajor), d2 = Direction(f.azimuthMinor);
        const Eigen::Matrix2d m = d1 * d1.transpose() / (f.semiMajor * f.semiMajor) +
                                  d2 * d2.transpose() / (f.semiMinor * f.semiMinor);
        int p = 1, q = 2;
        for (int k = 1; k < t; ++k)
          if (++q > 4) q = ++p + 1;
        const Eigen::Vector2d u(s.Figures.SemiAxisVectors(i, p), s.Figures.SemiAxisVectors(j, p));
        const Eigen::Vector2d w(s.Figures.SemiAxisVectors(i, q), s.Figures.SemiAxisVectors(j, q));
        EXPECT_NEAR(u.dot(m * u), 1.0, 1e-8);
        EXPECT_NEAR(w.dot(m * w), 1.0, 1e-8);
        EXPECT_NEAR(u.dot(m * w), 0.0, 1e-8);
      }
    }
  EXPECT_TRUE(s.Figures.SectionsDone);
  EXPECT_TRUE(s.Figures.RosettesDone);
  EXPECT_TRUE(s.Figures.AxisProjDone);
}

TEST(HyperellipsoidFigures, CancellingWritesTheAbandonLinesAndGoesOn) {
  TempDir dir;
  for (int cancelAt : {0, 1}) {
    NetworkState s = Network(dir);
    ScriptedInteraction ui;
    if (cancelAt == 1) ui.Then("4");
    ui.Then("");
    EXPECT_FALSE(RunFigures(s, ui));
    EXPECT_FALSE(s.Figures.SectionsDone);
    const std::string text = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
    EXPECT_NE(text.find("\r\n\r\n    --> CALCULO DE LAS ELIPSES DE ERROR ABANDONADO PREMATURAMENTE "
                        "\r\n\r\n"),
              std::string::npos);
  }
}

TEST(HyperellipsoidFigures, FailuresShowTheFigureMessage) {
  TempDir dir;
  // A zero factor cannot scale the rosettes.
  NetworkState s = Network(dir);
  ScriptedInteraction ui;
  ui.Then("4").Then("0");
  EXPECT_TRUE(RunFigures(s, ui));
  EXPECT_EQ(ui.Messages().back(), kFigureFailure);
  EXPECT_EQ(ui.Prompts().back().icon, Icon::Exclamation);
  EXPECT_TRUE(s.Figures.SectionsDone);
  EXPECT_FALSE(s.Figures.RosettesDone);

  // A free network keeping all its eigenvalues: the datum defect's zero
  // eigenvalues cannot give semi-axes.
  NetworkState free = testing::LoadFormed(testing::ValidationProject("syn_free5"));
  free.ListingFileName = dir.File("libre.tmp");
  ScriptedInteraction ui2;
  ui2.Then("10").Then("1");
  EXPECT_TRUE(RunFigures(free, ui2));
  EXPECT_EQ(ui2.Messages().back(), kFigureFailure);
}

// syn_quad_2fix 25 times larger (sides of 10 to 15 km) with the scale
// unknown: the eigenvalues of N span some 2e10, every one of them real.
TEST(HyperellipsoidFigures, LongSidesWithTheScaleUnknownKeepEveryAxis) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(
      " 0 ,Ptos ,4 ,Ecuaciones ,9\r\n"
      "00 ,1 ,25000.000 ,25000.000 ,fijo ,1\r\n00 ,2 ,35308.625 ,25930.250 ,fijo ,2\r\n"
      "00 ,3 ,34892.875 ,35798.375 ,vble ,3\r\n00 ,4 ,24689.825 ,34958.750 ,vble ,4\r\n"
      "1 ,-99 ,1 ,3 ,14645.163 ,99411.694\r\n2 ,-99 ,1 ,4 ,9962.833 ,127822.538\r\n"
      "3 ,-99 ,2 ,3 ,9878.285 ,128443.307\r\n4 ,-99 ,2 ,4 ,13936.503 ,103063.582\r\n"
      "5 ,-99 ,3 ,4 ,10235.170 ,125853.409\r\n6 ,4 ,1 ,3 ,49.18153 ,0.04\r\n"
      "7 ,3 ,1 ,2 ,47.06191 ,0.04\r\n8 ,1 ,2 ,4 ,50.59013 ,0.04\r\n9 ,4 ,2 ,3 ,52.45301 ,0.04\r\n");
  s.Equations.ScaleUnknown = 1;
  testing::FormAnew(s);
  s.ListingFileName = dir.File("salida.tmp");
  ScriptedInteraction ui;
  ui.Then("5").Then("1");
  ASSERT_FALSE(RunFigures(s, ui));
  EXPECT_TRUE(s.Figures.AxisProjDone);
  const Eigen::VectorXd lambda =
      Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(testing::ProjectNormal(s)).eigenvalues();
  ASSERT_GT(lambda(4) / lambda(0), 1e10);
  const auto lines = testing::ListingLines(s.ListingFileName);
  const std::size_t first =
      testing::LineIndex(lines, "    -----------------------      ------------------------- ") + 1;
  std::vector<double> axes;
  for (std::size_t p = 0; p < 5; ++p) axes.push_back(testing::Numbers(lines.at(first + p)).at(0));
  std::sort(axes.begin(), axes.end());
  for (int p = 0; p < 5; ++p) EXPECT_NEAR(axes[p], 1.0 / std::sqrt(lambda(4 - p)), 1e-8) << p;
}

TEST(HyperellipsoidFigures, SecondFileHoldsTheMatricesAndIsRewritten) {
  TempDir dir;
  const std::string second = dir.Write("elipses.tmp", "de otra vez\r\n");
  for (bool full : {false, true}) {
    NetworkState s = Network(dir, full);
    ScriptedInteraction ui;
    ui.Then("4").Then("1");
    ASSERT_FALSE(RunFigures(s, ui));
    const std::string details = Cp1252ToUtf8(testing::ReadBytes(second));
    const std::string listing = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
    EXPECT_EQ(details.find("de otra vez"), std::string::npos);
    EXPECT_EQ(details.find("DESCOMPOSICION DE LA MATRIZ"),
              details.rfind("DESCOMPOSICION DE LA MATRIZ"));
    for (const char* matrix : {"    MATRIZ  ( At P A ) ", "    MATRIZ DE AUTOVECTORES  V "}) {
      EXPECT_NE(details.find(matrix), std::string::npos);
      EXPECT_EQ(listing.find(matrix) != std::string::npos, full);
    }
    EXPECT_NE(details.find("    DATOS DE Sij "), std::string::npos);
    EXPECT_EQ(listing.find("    DATOS DE Sij "), std::string::npos);
  }
}

}  // namespace
}  // namespace ombrel
