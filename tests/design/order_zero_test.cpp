// The order-zero design against an independent S-transformation with Eigen:
// among all least-squares solutions, the one of least norm on the chosen
// vertices.
#include "design/order_zero.h"

#include "design/design_driver.h"
#include "design/design_outcome.h"
#include "design_fixtures.h"

namespace ombrel {
namespace {

using namespace design_test;
using testing::TempDir;

// Corrections listed under "Correcciones Xb", in listing order.
std::vector<double> ListedGroupB(const std::string& listing) {
  std::vector<double> values;
  bool inB = false;
  for (const std::string& line : ListingLines(listing)) {
    if (Contains(line, "Correcciones Xb")) inB = true;
    if (!inB) continue;
    if (line.rfind("       X(", 0) == 0 || line.rfind("       Y(", 0) == 0)
      values.push_back(std::stod(line.substr(line.find(") ") + 2)));
    else if (!values.empty())
      break;
  }
  return values;
}

std::vector<long> ColumnsOf(const std::vector<int>& variableIndexes) {
  std::vector<long> cols;
  for (int v : variableIndexes) {
    cols.push_back(2 * v - 2);
    cols.push_back(2 * v - 1);
  }
  return cols;
}

Eigen::MatrixXd Pick(const Eigen::MatrixXd& m, const std::vector<long>& r,
                     const std::vector<long>& c) {
  Eigen::MatrixXd out(r.size(), c.size());
  for (std::size_t i = 0; i < r.size(); ++i)
    for (std::size_t j = 0; j < c.size(); ++j) out(i, j) = m(r[i], c[j]);
  return out;
}

TEST(DesignOrderZero, FreeNetworkGivesTheMinimumNormSolutionOnTheChosenVertices) {
  // syn_free5: five variable points, angles and distances, datum defect 3.
  const NetworkState formed = Formed("syn_free5");
  const int n = Rows(formed), u = Unknowns(formed), defect = 3;
  const Eigen::MatrixXd a = ToEigen(formed.Equations.A, n, u),
                        p = ToEigen(formed.Equations.P, n, n);
  const Eigen::VectorXd k = ToEigen(formed.Equations.K, n);
  const Eigen::MatrixXd normal = a.transpose() * p * a;
  const std::vector<long> colsA = ColumnsOf({2, 4}), colsB = ColumnsOf({1, 3, 5});

  // Independent S-transformation: x0 + G t with G the null space of N, t
  // minimising |x_b|.
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eig(normal);
  const Eigen::MatrixXd nullSpace = eig.eigenvectors().leftCols(defect);
  const Eigen::VectorXd x0 = SymmetricPseudoinverse(normal, defect) * a.transpose() * p * k;
  Eigen::MatrixXd gB(colsB.size(), defect);
  Eigen::VectorXd x0B(colsB.size());
  for (std::size_t i = 0; i < colsB.size(); ++i) {
    gB.row(i) = nullSpace.row(colsB[i]);
    x0B(i) = x0(colsB[i]);
  }
  const Eigen::VectorXd xB = x0B - gB * gB.completeOrthogonalDecomposition().solve(x0B);
  const Eigen::MatrixXd reduced =
      Pick(normal, colsB, colsB) - Pick(normal, colsB, colsA) *
                                       Pick(normal, colsA, colsA).inverse() *
                                       Pick(normal, colsA, colsB);
  const Eigen::MatrixXd qB = SymmetricPseudoinverse(reduced, defect);
  const Eigen::VectorXd v = a * x0 - k;
  const double sigma0Sq = v.dot(p * v) / (n - u + defect);

  TempDir dir;
  NetworkState s = Loaded(ValidationProject("syn_free5"));
  s.Options.OutputDecimals = 10;
  ScriptedInteraction ui;
  ui.Then(dir.File("salida.tmp")).Then("3").Then("1").Then("3").Then("3").Then("5");
  ui.Then(Answer::Yes).Then("0.000000000001").Then(Em6Between(reduced, defect)).Then(Answer::No);
  ui.Then(Answer::No);
  ASSERT_EQ(RunDesign(s, ui, DesignProblem::OrderZero), CommandOutcome::Completed);
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_EQ(ui.Messages()[0], "¡ Número no válido !");  // the repeated vertex 3

  const std::vector<double> listed = ListedGroupB(dir.File("salida.tmp"));
  ASSERT_EQ(listed.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(listed[i], xB(i), 1e-9 + 1e-7 * xB.norm()) << i;
  EXPECT_EQ(s.Solution.RankDefect, defect);
  EXPECT_NEAR(s.Solution.Sigma0Sq, sigma0Sq, 1e-8 * sigma0Sq);
  ASSERT_EQ(s.Solution.Qxx.Rows(), 6);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      EXPECT_NEAR(s.Solution.Qxx(i + 1, j + 1), qB(i, j), 1e-7 * qB.norm()) << i << "," << j;

  // The ellipses belong to the chosen vertices and come from their block of Qxbxb.
  EXPECT_EQ(s.Ellipses.DesignVertexCount, 3);
  EXPECT_EQ(s.Ellipses.DesignVertices(1) * 100 + s.Ellipses.DesignVertices(2) * 10 +
                s.Ellipses.DesignVertices(3),
            135);
  EXPECT_TRUE(s.Ellipses.Done);
  ASSERT_EQ(s.Ellipses.SemiMajor.Rows(), 3);
  for (int item = 0; item < 3; ++item) {
    const Eigen::Matrix2d block = sigma0Sq * qB.block(2 * item, 2 * item, 2, 2);
    const Eigen::Vector2d axes =
        Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d>(block).eigenvalues();
    EXPECT_NEAR(s.Ellipses.SemiMajor(item + 1, item + 1), std::sqrt(axes(1)),
                1e-6 * std::sqrt(axes(1)));
    EXPECT_NEAR(s.Ellipses.SemiMinor(item + 1, item + 1), std::sqrt(axes(0)),
                1e-6 * std::sqrt(axes(1)));
  }
}

// Counts of all the points, fixed vertices and repeated ones are refused.
// With a regular normal matrix the solution is unique, so group b holds the
// ordinary corrections of its vertex and Qxbxb its block of inv(N).
TEST(DesignOrderZero, ConstrainedNetworkWithOneVertexGivesItsLeastSquaresSolution) {
  TempDir dir;
  NetworkState s = Formed("syn_quad_2fix");  // two variable points, 3 and 4
  const int n = Rows(s), u = Unknowns(s);
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, n, u), p = ToEigen(s.Equations.P, n, n);
  const Eigen::MatrixXd inverse = (a.transpose() * p * a).inverse();
  const Eigen::VectorXd x = inverse * a.transpose() * p * ToEigen(s.Equations.K, n);
  int point = 0, fixed = 0;
  for (int i = 1; i <= s.Network.NumPoints; ++i) {
    if (s.Network.VariableIndex(i) == 2) point = s.Network.PointNumber(i);
    if (s.Network.VariableIndex(i) == 0) fixed = s.Network.PointNumber(i);
  }
  s.ListingFileName = dir.File("salida.tmp");
  s.Options.OutputDecimals = 10;
  ScriptedInteraction ui;
  for (const char* refused : {"2", "0", " 0", "1.", "1,5", " 1", "-1", "x"}) ui.Then(refused);
  ui.Then("1");
  ui.Then("");  // back to the count
  ui.Then("1");
  ui.Then(std::to_string(fixed)).Then("99").Then("97");
  ui.Then(std::to_string(point)).Then(Answer::No);
  const std::optional<OrderZeroResult> result =
      DesignOrderZero(s, s.Options.SingularValueTolerances, ui);
  ASSERT_TRUE(result);
  EXPECT_EQ(ui.Pending(), 0u);
  int refusals = 0;
  for (const std::string& m : ui.Messages()) refusals += m == "¡ Número no válido !";
  EXPECT_EQ(refusals, 8 + 3);
  ASSERT_EQ(result->vertices.Size(), 1);
  EXPECT_EQ(result->vertices(1), point);

  const std::vector<double> listed = ListedGroupB(s.ListingFileName);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_NEAR(listed[0], x(2), 1e-9);
  EXPECT_NEAR(listed[1], x(3), 1e-9);
  ASSERT_EQ(result->solution.Qxx.Rows(), 2);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j)
      EXPECT_NEAR(result->solution.Qxx(i + 1, j + 1), inverse(2 + i, 2 + j), 1e-9 * inverse.norm());
  EXPECT_EQ(result->solution.RankDefect, 0);
}

TEST(DesignOrderZero, CancellingTheCountOrAPrecisionAbandons) {
  for (const bool atPrecision : {false, true}) {
    SCOPED_TRACE(atPrecision);
    TempDir dir;
    NetworkState s = Loaded(ValidationProject("syn_quad_2fix"));
    ScriptedInteraction ui;
    ui.Then(dir.File("salida.tmp"));
    if (atPrecision) {
      int number = 0;
      for (int i = 1; i <= s.Network.NumPoints; ++i)
        if (s.Network.VariableIndex(i)) number = s.Network.PointNumber(i);
      ui.Then("1").Then(std::to_string(number)).Then(Answer::Yes).Then("1e-12").Then("");
    } else {
      ui.Then("");
    }
    EXPECT_EQ(RunDesign(s, ui, DesignProblem::OrderZero), CommandOutcome::Abandoned);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_FALSE(ui.Busy());
    EXPECT_EQ(ui.Count("Editor"), 0);
    for (const auto& prompt : ui.Prompts())
      EXPECT_FALSE(Contains(prompt.text, "FIN  DE  LA  COMPENSACION"));
    const std::vector<std::string> lines = ListingLines(dir.File("salida.tmp"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "    --> CALCULO DEL PD0 ABANDONADO PREMATURAMENTE ");
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 4], "");
    for (const std::string& line : lines) EXPECT_FALSE(Contains(line, "ELIPSES DE ERROR"));
  }
}

}  // namespace
}  // namespace ombrel
