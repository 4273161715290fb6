// Absolute and relative error ellipses: the ellipse of a covariance block
// against Eigen's eigendecomposition, the validation networks' expected
// ellipses, the stored matrices and the listing tables.
#include "adjust/error_ellipses.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "listing/file_error.h"
#include "listing/listing_layout.h"
#include "numeric/run_time_error.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/expected_results.h"
#include "support/listing_reader.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::CreateEmptyListing;
using testing::ListingLines;
using testing::TempDir;

constexpr double kPi = std::numbers::pi;

// Checks an ellipse against the eigendecomposition of its block: semi-axes
// squared are the eigenvalues, the azimuths differ by 100 gon and the major
// axis points along the eigenvector of the larger eigenvalue.
void ExpectMatchesEigen(const Ellipse& e, const Eigen::Matrix2d& block) {
  const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> eigen(block);
  const double large = eigen.eigenvalues()(1), small = eigen.eigenvalues()(0);
  const double scale = std::fabs(large) + 1e-300;
  EXPECT_NEAR(e.semiMajor * e.semiMajor, large, 1e-12 * scale);
  EXPECT_NEAR(e.semiMinor * e.semiMinor, std::max(small, 0.0), 1e-10 * scale);
  EXPECT_NEAR(std::fabs(e.azimuthMajor - e.azimuthMinor), 100.0, 1e-9);
  for (double az : {e.azimuthMajor, e.azimuthMinor}) {
    EXPECT_GT(az, 0.0);
    EXPECT_LE(az, 200.0);
  }
  if (large - small > 1e-6 * scale) {
    const double az = e.azimuthMajor * kPi / 200.0;
    const Eigen::Vector2d axis = eigen.eigenvectors().col(1);  // (x, y)
    EXPECT_NEAR(std::sin(az) * axis(1) - std::cos(az) * axis(0), 0.0, 1e-7)
        << "azimuth " << e.azimuthMajor;
  }
}

TEST(EllipseFromCovariance, RandomBlocksMatchTheirEigendecomposition) {
  std::mt19937_64 rng(21);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (int trial = 0; trial < 2000; ++trial) {
    const double magnitude = std::pow(10.0, -8.0 + 8.0 * (unit(rng) + 1.0) / 2.0);
    Eigen::Matrix2d root;
    root << unit(rng), unit(rng), unit(rng), unit(rng);
    const Eigen::Matrix2d block = magnitude * root * root.transpose();
    for (double threshold : {kVertexMinorThreshold * magnitude, kRelativeMinorThreshold}) {
      const Ellipse e = EllipseFromCovariance(block(0, 0), block(1, 1), block(0, 1), threshold);
      ExpectMatchesEigen(e, block);
    }
  }
}

TEST(EllipseFromCovariance, UncorrelatedBlocksLieAlongTheCoordinateAxes) {
  const struct {
    double a, b, c, major, minor, azimuthMajor, azimuthMinor;
  } cases[] = {{4e-6, 1e-6, 0.0, 2e-3, 1e-3, 100.0, 200.0},   // wide
               {1e-6, 4e-6, -0.0, 2e-3, 1e-3, 200.0, 100.0},  // tall
               {9e-6, 9e-6, 0.0, 3e-3, 3e-3, 100.0, 200.0},   // circle
               {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}};          // point: no direction
  for (double threshold : {kVertexMinorThreshold, kRelativeMinorThreshold})
    for (const auto& c : cases) {
      SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
      const Ellipse e = EllipseFromCovariance(c.a, c.b, c.c, threshold);
      EXPECT_DOUBLE_EQ(e.semiMajor, c.major);
      EXPECT_DOUBLE_EQ(e.semiMinor, c.minor);
      if (c.azimuthMajor == 0.0) continue;
      EXPECT_EQ(e.azimuthMajor, c.azimuthMajor);
      EXPECT_EQ(e.azimuthMinor, c.azimuthMinor);
    }
}

TEST(EllipseFromCovariance, MinorAxisThresholdDiffersForVertexAndRelativeEllipses) {
  // a + b - D is exactly 2^-34 (about 5.8e-11): below the vertex threshold,
  // above the relative one.
  const double b = std::ldexp(1.0, -35);
  EXPECT_EQ(EllipseFromCovariance(1.0, b, 0.0, kVertexMinorThreshold).semiMinor, 0.0);
  EXPECT_EQ(EllipseFromCovariance(1.0, b, 0.0, kRelativeMinorThreshold).semiMinor, std::sqrt(b));
  // A rounding-negative a + b - D is no failure for a relative ellipse.
  const double a = 1.3, c = std::sqrt(1.3 * 0.17);
  ASSERT_LT(a + 0.17 - std::sqrt((a - 0.17) * (a - 0.17) + 4 * c * c), 0.0);
  const Ellipse singular = EllipseFromCovariance(a, 0.17, c, kRelativeMinorThreshold);
  EXPECT_EQ(singular.semiMinor, 0.0);
  EXPECT_NEAR(singular.semiMajor, std::sqrt(a + 0.17), 1e-15);
}

TEST(EllipseFromCovariance, NearlyCircularBlockHasAzimuthsNearFiftyAndOneHundredFifty) {
  const Ellipse e = EllipseFromCovariance(1e-6, 1e-6 + 1e-15, 1e-12, kVertexMinorThreshold);
  EXPECT_NEAR(e.semiMajor, e.semiMinor, 1e-8);
  EXPECT_NEAR(e.azimuthMajor, 50.0, 0.1);
  EXPECT_NEAR(e.azimuthMinor, 150.0, 0.1);
  const Ellipse negative = EllipseFromCovariance(1e-6, 1e-6, -1e-12, kVertexMinorThreshold);
  EXPECT_NEAR(negative.azimuthMajor, 150.0, 1e-6);
  EXPECT_NEAR(negative.azimuthMinor, 50.0, 1e-6);
}

// Covariance (m²) of the coordinates of item l minus those of item k (k = 0:
// item l alone), taken from sigma0² Qxx through the Jacobian of the
// difference.
Eigen::Matrix2d DifferenceCovariance(const NetworkState& s, int k, int l) {
  const int m = s.Solution.Qxx.Rows();
  const Eigen::MatrixXd q = testing::ToEigen(s.Solution.Qxx, m, m);
  Eigen::MatrixXd jacobian = Eigen::MatrixXd::Zero(2, m);
  jacobian(0, 2 * l - 2) = jacobian(1, 2 * l - 1) = 1.0;
  if (k > 0) jacobian(0, 2 * k - 2) = jacobian(1, 2 * k - 1) = -1.0;
  return s.Solution.Sigma0Sq * jacobian * q * jacobian.transpose();
}

// Every stored ellipse, vertex and relative, against its block.
void ExpectStoredEllipsesMatchEigen(const NetworkState& s, int items) {
  for (int k = 1; k <= items; ++k)
    for (int l = k; l <= items; ++l) {
      SCOPED_TRACE("k " + std::to_string(k) + ", l " + std::to_string(l));
      const Ellipse stored{s.Ellipses.SemiMajor(k, l), s.Ellipses.SemiMinor(k, l),
                           s.Ellipses.Azimuth(k, l) * 200.0 / kPi,
                           s.Ellipses.Azimuth(k, l) * 200.0 / kPi > 100.0
                               ? s.Ellipses.Azimuth(k, l) * 200.0 / kPi - 100.0
                               : s.Ellipses.Azimuth(k, l) * 200.0 / kPi + 100.0};
      ExpectMatchesEigen(stored, DifferenceCovariance(s, k == l ? 0 : k, l));
    }
}

TEST(WriteErrorEllipses, ValidationNetworksGiveTheExpectedEllipses) {
  for (const std::string& name : testing::ConstrainedNetworks()) {
    SCOPED_TRACE(name);
    NetworkState s = testing::LoadFormed(testing::ValidationProject(name));
    testing::SolveWithEigen(s);
    TempDir dir;
    s.ListingFileName = CreateEmptyListing(dir);
    s.Ellipses = WriteErrorEllipses(s);

    const auto json = testing::ExpectedResults(name);
    const double axisTolerance = json["tolerances"]["std_dev_relative"];
    const double azimuthTolerance = json["tolerances"]["ellipse_azimuth_gon"];
    const std::vector<std::string> lines = ListingLines(s.ListingFileName);
    const std::size_t firstRow = testing::LineIndex(lines, "    ELIPSES DE VERTICE ") + 4;
    for (int j = 1; j <= s.Network.NumPoints; ++j) {
      const int k = s.Network.VariableIndex(j);
      if (k == 0) continue;
      const auto& ellipse =
          json["one_step"]["points"][std::to_string(s.Network.PointNumber(j))]["ellipse"];
      const double major = ellipse["semi_major"], minor = ellipse["semi_minor"];
      const double azimuth = ellipse["azimuth_major_gon"];
      EXPECT_NEAR(s.Ellipses.SemiMajor(k, k), major, axisTolerance * major);
      EXPECT_NEAR(s.Ellipses.SemiMinor(k, k), minor, axisTolerance * minor);
      EXPECT_NEAR(s.Ellipses.Azimuth(k, k) * 200.0 / kPi, azimuth, azimuthTolerance);
      // The listing row of the vertex prints the same values to 4 decimals.
      const std::string row = lines.at(firstRow + k - 1);
      EXPECT_EQ(row.substr(0, 14),
                "      " + RightAlignedNumberLabel(s.Network.PointNumber(j)) + "     ");
      EXPECT_NEAR(std::strtod(row.c_str() + 14, nullptr), major, 5.1e-5);
      EXPECT_NEAR(std::strtod(row.c_str() + 27, nullptr), azimuth, 5.1e-5 + azimuthTolerance);
    }
    ExpectStoredEllipsesMatchEigen(s, s.Network.NumPoints - s.Network.NumFixed);
  }
}

// A random network of `items` variable points: its Qxx positive definite.
NetworkState RandomCovariance(unsigned seed, int items) {
  return testing::RandomSystem(seed, items, 2 * items + 3, 0);
}

TEST(WriteErrorEllipses, RandomNetworksGiveEveryEllipseOfItsBlock) {
  for (unsigned seed = 1; seed <= 15; ++seed) {
    const int items = 1 + static_cast<int>(seed % 7);
    NetworkState s = RandomCovariance(seed, items);
    TempDir dir;
    s.ListingFileName = CreateEmptyListing(dir);
    s.Ellipses = WriteErrorEllipses(s);
    ExpectStoredEllipsesMatchEigen(s, items);
  }
}

// The order-zero design's vertices name the items; the relative table gives
// the first label of a pair once per item; every row gives the semi-axes of
// its block (item l, or l - k) to four decimals.
TEST(WriteErrorEllipses, TablesNameEveryItemAndPairAndGiveTheAxesOfItsBlock) {
  NetworkState s = RandomCovariance(4, 3);
  s.Ellipses.ForDesignVertices = true;
  s.Ellipses.DesignVertexCount = 3;
  s.Ellipses.DesignVertices.Redim(3);
  s.Ellipses.DesignVertices(1) = 5;
  s.Ellipses.DesignVertices(2) = 12;
  s.Ellipses.DesignVertices(3) = 130;
  TempDir dir;
  s.ListingFileName = CreateEmptyListing(dir);
  s.Ellipses = WriteErrorEllipses(s);
  const std::vector<std::string> lines = ListingLines(s.ListingFileName);
  const struct {
    std::string label;
    int k, l;
  } rows[] = {{"        5     ", 1, 1}, {"       12     ", 2, 2},  {"       130     ", 3, 3},
              {"     5  12    ", 1, 2}, {"        130    ", 1, 3}, {"    12  130    ", 2, 3}};
  std::size_t at = testing::LineIndex(lines, "    ELIPSES DE VERTICE ");
  for (const auto& r : rows) {
    SCOPED_TRACE(r.label);
    while (at < lines.size() && lines[at].rfind(r.label, 0) != 0) ++at;
    ASSERT_LT(at, lines.size());
    std::istringstream in(lines[at].substr(r.label.size()));
    double major = 0, azimuth = 0, minor = 0;
    std::string unit;
    ASSERT_TRUE(in >> major >> unit >> azimuth >> unit >> minor);
    const Eigen::Vector2d squares = Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d>(
                                        DifferenceCovariance(s, r.k == r.l ? 0 : r.k, r.l))
                                        .eigenvalues();
    EXPECT_NEAR(major, std::sqrt(squares(1)), 5.1e-5);
    EXPECT_NEAR(minor, std::sqrt(std::max(squares(0), 0.0)), 5.1e-5);
  }
}

TEST(WriteErrorEllipses, RunTimeErrorsPassToTheCaller) {
  TempDir dir;
  NetworkState s = RandomCovariance(3, 2);
  s.ListingFileName = dir.File("no_existe/salida.tmp");
  EXPECT_THROW(WriteErrorEllipses(s), FileError);
  s.ListingFileName = CreateEmptyListing(dir);
  s.Solution.Qxx(1, 1) = s.Solution.Qxx(2, 2) = -1.0;
  EXPECT_THROW(WriteErrorEllipses(s), ArithmeticFault);
}

}  // namespace
}  // namespace ombrel
