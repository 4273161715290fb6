// The two free-network adjustments against each other and against an
// independent minimum-norm solution computed with Eigen.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cstdio>
#include <string>

#include "adjust/adjust_by_constraints.h"
#include "adjust/adjust_by_pseudoinverse.h"
#include "adjust/constraint_matrix.h"
#include "model/form_equations.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::TempDir;
using testing::ToEigen;

std::string ProjectText(const std::string& name) {
  return Cp1252ToUtf8(testing::ReadBytes(testing::ValidationDir() + "/" + name + "/project.txt"));
}

// syn_free5 without its distances: a network of angles only (defect 4).
std::string AnglesOnly(std::string text, int& angles) {
  std::string kept;
  angles = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start) + 2;
    const std::string line = text.substr(start, end - start);
    start = end;
    if (line.find("-99") != std::string::npos) continue;
    if (line.rfind("00 ,", 0) != 0 && line.find("Ptos") == std::string::npos) ++angles;
    kept += line;
  }
  const std::size_t count = kept.find("Ecuaciones ,");
  kept.replace(count + 12, 10, std::string(8, ' ') + std::to_string(angles));
  return kept;
}

// The same network with its first point fixed (at 500, 500: not the origin).
std::string FirstPointFixed(std::string text) {
  text.replace(text.find("vble"), 4, "fijo");
  return text;
}

int Rows(const NetworkState& s) {
  return s.NumObs + s.NumCondEq;
}
int Unknowns(const NetworkState& s) {
  return 2 * (s.NumPoints - s.NumFixed);
}

Eigen::MatrixXd WeightedDesign(const NetworkState& s) {
  return ToEigen(s.P, Rows(s), Rows(s)).cwiseSqrt() * ToEigen(s.A, Rows(s), Unknowns(s));
}

// An em6 between the smallest kept and the largest dropped singular value of
// m, as a person reading the review would choose it.
std::string Em6Between(const Eigen::MatrixXd& m, int defect) {
  const Eigen::VectorXd sv = Eigen::JacobiSVD<Eigen::MatrixXd>(m).singularValues();
  const long kept = sv.size() - defect;
  char text[40];
  std::snprintf(text, sizeof text, "%.6g", std::sqrt(sv(kept - 1) * sv(kept)));
  return text;
}

// Answers to the two reviews: one new decomposition each with an em6 that
// eliminates the datum defect, then No.
void ReviewAnswers(ScriptedInteraction& ui, const NetworkState& s, int defect) {
  const Eigen::MatrixXd pa = WeightedDesign(s);
  const int designDefect = std::min(Rows(s), Unknowns(s)) - (Unknowns(s) - defect);
  ui.Then(Answer::Yes).Then("0.000000000001").Then(Em6Between(pa, designDefect)).Then(Answer::No);
  ui.Then(Answer::Yes)
      .Then("0.000000000001")
      .Then(Em6Between(pa.transpose() * pa, defect))
      .Then(Answer::No);
}

struct Solution {
  Eigen::VectorXd x;
  Eigen::MatrixXd qxx;
  double sigma0Sq;
};

Solution Solve(NetworkState s, const std::string& listing, bool pseudo, int defect,
               const std::string& type = "") {
  s.ListingFileName = listing;
  s.FullOutput = true;
  s.NetworkType = type;
  ScriptedInteraction ui;
  if (pseudo) {
    ReviewAnswers(ui, s, defect);
    AdjustByPseudoinverse(s, ui);
  } else {
    AdjustByConstraints(s, ui);
  }
  EXPECT_EQ(ui.Pending(), 0u);
  const int u = Unknowns(s);
  return {ToEigen(s.Corrections, u), ToEigen(s.Qxx, u, u), s.Sigma0Sq};
}

// The minimum-norm least-squares solution and N+ from the eigenvectors of
// N that belong to its u - defect largest eigenvalues.
Solution MinimumNorm(const NetworkState& s, int defect) {
  const int m = Rows(s), u = Unknowns(s);
  const Eigen::MatrixXd a = ToEigen(s.A, m, u);
  const Eigen::MatrixXd p = ToEigen(s.P, m, m);
  const Eigen::VectorXd k = ToEigen(s.K, m);
  const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eig(a.transpose() * p * a);
  Eigen::MatrixXd pinv = Eigen::MatrixXd::Zero(u, u);
  for (int j = defect; j < u; ++j)  // eigenvalues ascending: the first `defect` are the null space
    pinv +=
        eig.eigenvectors().col(j) * eig.eigenvectors().col(j).transpose() / eig.eigenvalues()(j);
  const Eigen::VectorXd x = pinv * a.transpose() * p * k;
  const Eigen::VectorXd v = a * x - k;
  return {x, pinv, v.dot(p * v) / (m - (u - defect))};
}

// The cofactor formula of the constraint matrix subtracts matrices of the
// size of the coordinates squared, so its Qxx keeps fewer digits
// (qxxTolerance) than the corrections and the variance (tolerance).
void ExpectSame(const Solution& got, const Solution& want, double tolerance, double qxxTolerance) {
  const double scale = want.qxx.cwiseAbs().maxCoeff();
  EXPECT_LT((got.x - want.x).cwiseAbs().maxCoeff(), tolerance * want.x.cwiseAbs().maxCoeff());
  EXPECT_LT((got.qxx - want.qxx).cwiseAbs().maxCoeff(), qxxTolerance * scale);
  EXPECT_NEAR(got.sigma0Sq, want.sigma0Sq, tolerance * want.sigma0Sq);
}

// A^t P v over the coordinate unknowns: zero at a least-squares solution.
double NormalResidual(const NetworkState& s, const Eigen::VectorXd& x) {
  const int m = Rows(s), u = Unknowns(s);
  const Eigen::MatrixXd a = ToEigen(s.A, m, u);
  const Eigen::MatrixXd p = ToEigen(s.P, m, m);
  const Eigen::VectorXd v = a * x - ToEigen(s.K, m);
  return (a.transpose() * p * v).cwiseAbs().maxCoeff() /
         (a.transpose() * p * ToEigen(s.K, m)).cwiseAbs().maxCoeff();
}

// With one fixed point the free rotation (and scale) act about that point:
// rows taken about the origin would not span the defect, and the result
// would not be a least-squares solution.
TEST(FreeNetwork, ConstraintsAndPseudoinverseGiveTheMinimumNormSolution) {
  TempDir dir;
  int angles = 0;
  const std::string anglesOnly = AnglesOnly(ProjectText("syn_free5"), angles);
  EXPECT_EQ(angles, 8);
  const struct {
    const char* what;
    std::string project;
    std::string type;
    int defect, fixed;
  } cases[] = {
      {"angles and distances, type 2", ProjectText("syn_free5"), "Dos", 3, 0},
      {"angles only, type 1", anglesOnly, "Uno", 4, 0},
      {"hoepke, distances only, type 2", ProjectText("hoepke_free"), "Dos", 3, 0},
      {"angles and distances, type 6", FirstPointFixed(ProjectText("syn_free5")), "Seis", 1, 1},
      {"angles only, type 5", FirstPointFixed(anglesOnly), "Cinco", 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const NetworkState s = testing::LoadFormedText(c.project);
    ASSERT_EQ(s.NumFixed, c.fixed);
    const Solution want = MinimumNorm(s, c.defect);
    const Solution byE = Solve(s, dir.File("e.tmp"), false, c.defect, c.type);
    ExpectSame(byE, want, 1e-6, 3e-3);
    ExpectSame(Solve(s, dir.File("p.tmp"), true, c.defect), want, 1e-6, 1e-6);
    EXPECT_LT(NormalResidual(s, byE.x), 1e-9);
  }
}

TEST(FreeNetwork, ConstraintSolutionSatisfiesItsConstraints) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.ListingFileName = dir.File("e.tmp");
  s.NetworkType = "Dos";
  ScriptedInteraction ui;
  AdjustByConstraints(s, ui);
  ASSERT_EQ(s.NumConstraints, 3);
  const Eigen::VectorXd ex = ToEigen(s.E, 3, Unknowns(s)) * ToEigen(s.Corrections, Unknowns(s));
  EXPECT_LT(ex.cwiseAbs().maxCoeff(), 1e-9);
  // r = m - u + d with m = 15 equations and u = 10 unknowns.
  const std::string text = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
  EXPECT_NE(text.find("    Numero de grados de libertad   r =  8\r\n"), std::string::npos);
}

TEST(FreeNetwork, VarianceOfUnitWeightIsTheSameForTheThreeMethods) {
  TempDir dir;
  const std::string project = FirstPointFixed(ProjectText("syn_free5"));
  const NetworkState s = testing::LoadFormedText(project);
  const double byE = Solve(s, dir.File("e.tmp"), false, 1, "Seis").sigma0Sq;
  const double byPseudo = Solve(s, dir.File("p.tmp"), true, 1).sigma0Sq;
  // The inverse with one condition equation that holds the rotation: the
  // Y correction of point 2 is zero (a minimal constraint, no new redundancy
  // in the residuals but one more row).
  NetworkState c = testing::LoadFormedText(project);
  c.NumCondEq = 1;
  c.CondMatrix.Redim(1, Unknowns(c));
  c.CondMatrix(1, 2) = 1.0;
  c.CondTerms.Redim(1);
  c.ObsWeights(2, c.NumObs + 1) = 1.0;
  DimensionProjectSystem(c);
  ScriptedInteraction ui;
  FormEquations(c, ui);
  testing::SolveWithEigen(c);
  EXPECT_NEAR(byE, c.Sigma0Sq, 1e-8 * c.Sigma0Sq);
  EXPECT_NEAR(byPseudo, c.Sigma0Sq, 1e-8 * c.Sigma0Sq);
}

TEST(FreeNetwork, TypeFourOfThreeVariablePointsIsTwoTranslations) {
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.NumPoints = 3;  // the first three points only: six unknowns
  s.NetworkType = "Cuatro";
  ScriptedInteraction ui;
  FormConstraintMatrix(s, ui, kConstraintMatrixTitle);
  ASSERT_EQ(s.NumConstraints, 2);
  for (int j = 1; j <= 6; ++j) {
    EXPECT_EQ(s.E(1, j), j % 2 == 1 ? 1.0 : 0.0);
    EXPECT_EQ(s.E(2, j), j % 2 == 0 ? 1.0 : 0.0);
  }
}

// A count outside 1..10 rows and a text that is not a number are asked
// again; cancelling the count or an element gives up.
TEST(FreeNetwork, TypeEightIsTypedElementByElement) {
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.NetworkType = "Ocho";
  ScriptedInteraction ui;
  ui.Then("x").Then("0").Then("11").Then("1");
  for (int j = 1; j <= 10; ++j) {
    if (j == 3) ui.Then("tres");
    ui.Then(std::to_string(j) + ".5");
  }
  ASSERT_TRUE(FormConstraintMatrix(s, ui, kConstraintMatrixTitle));
  ASSERT_EQ(s.NumConstraints, 1);
  for (int j = 1; j <= 10; ++j) EXPECT_EQ(s.E(1, j), j + 0.5);
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"), 4);
  const auto prompts = ui.Prompts();
  EXPECT_EQ(prompts[0].title, "Ombrel  Matriz de constreñimientos");
  EXPECT_EQ(prompts[0].defaultText, "1");
  EXPECT_EQ(prompts.back().text,
            "    Elemento   E ( 1   , 10  )\r\n    ..........................");
  EXPECT_EQ(prompts.back().title, "Introducción de la matriz de constreñimientos");
  EXPECT_EQ(prompts.back().defaultText, "0");

  for (const std::vector<std::string>& script :
       {std::vector<std::string>{""}, std::vector<std::string>{"1", "2", ""}}) {
    ScriptedInteraction cancelled;
    for (const std::string& answer : script) cancelled.Then(answer);
    EXPECT_FALSE(FormConstraintMatrix(s, cancelled, kConstraintMatrixTitle));
    EXPECT_EQ(cancelled.Pending(), 0u);
  }
}

TEST(FreeNetwork, NetworkTypeBoxRefusesWhatTheNetworkCannotTake) {
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));  // has distances
  s.NetworkType = "Imposible";
  ScriptedInteraction ui;
  for (const char* answer : {"12", "9", "0", "x", "1", "3", "5", "7", "4"}) ui.Then(answer);
  ASSERT_TRUE(AskNetworkType(s, ui));
  EXPECT_EQ(s.NetworkType, "Cuatro");
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"), 8);
  EXPECT_EQ(ui.Count("Beep"), 8);
  const RecordedCall box = ui.Prompts().front();
  EXPECT_EQ(box.defaultText, "2");
  EXPECT_EQ(box.title, "Ombrel");
  EXPECT_EQ(box.text.rfind("\r\nMATRIZ DE CONSTREÑIMIENTOS ( E ) \r\n\r\nIndique cual es su tipo "
                           "de red :     ( 1 - 8 ) \r\n\r\n 1.  d=4  Sin punto fijo",
                           0),
            0u);
  EXPECT_NE(box.text.find(" 8.  Introducción de la  matriz ( E ) manualmente.  \r\n"),
            std::string::npos);

  int angles = 0;
  NetworkState anglesOnly = testing::LoadFormedText(AnglesOnly(ProjectText("syn_free5"), angles));
  ScriptedInteraction ui2;
  ui2.Then("7");
  ASSERT_TRUE(AskNetworkType(anglesOnly, ui2));
  EXPECT_EQ(anglesOnly.NetworkType, "Siete");
  ScriptedInteraction ui3;
  ui3.Then("");
  EXPECT_FALSE(AskNetworkType(anglesOnly, ui3));
  EXPECT_EQ(anglesOnly.NetworkType, "Siete");
}

TEST(FreeNetwork, EnterConstraintMatrixLeavesTheCofactorsWithoutListing) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  const Solution byE = Solve(s, dir.File("e.tmp"), false, 3, "Dos");
  s.NetworkType = "Dos";
  s.ListingFileName = dir.File("nunca.tmp");
  ScriptedInteraction ui;
  EnterConstraintMatrix(s, ui);
  EXPECT_LT((ToEigen(s.QxxE, 10, 10) - byE.qxx).cwiseAbs().maxCoeff(),
            1e-12 * byE.qxx.cwiseAbs().maxCoeff());
  EXPECT_FALSE(FileExists(s.ListingFileName));
  EXPECT_TRUE(ui.Calls().empty());
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(FreeNetwork, SingularValueReviewDecomposesAgainOnlyWithBothPrecisions) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.ListingFileName = dir.File("p.tmp");
  s.FullOutput = true;
  const std::string em6 = Em6Between(WeightedDesign(s), 3);
  ScriptedInteraction ui;
  ui.Then(Answer::Yes).Then("");                         // em2 cancelled
  ui.Then(Answer::Yes).Then("0.000000000001").Then("");  // em6 cancelled
  ui.Then(Answer::Yes).Then("0.000000000001").Then(em6).Then(Answer::No);
  ui.Then(Answer::No);  // the decomposition of N as it comes
  AdjustByPseudoinverse(s, ui);
  const std::vector<std::string> questions = ui.Messages();
  ASSERT_EQ(questions.size(), 5u);
  const std::string tail =
      "\r\n  em2   =   1E-12\r\n  em6   =   1E-10\r\n\r\n"
      "  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  \r\n";
  EXPECT_EQ(
      questions[1],
      "\r\n    PRECISION RELATIVA VALORES SINGULARES :  \r\n\r\n\r\n    ¿  Variable...  em2  ? " +
          tail);
  EXPECT_EQ(
      questions[2],
      "\r\n    MINIMO VALOR SINGULAR NO DESPRECIABLE :  \r\n\r\n\r\n    ¿  Variable...  em6  ? " +
          tail);
  // Only the first and the fourth question follow a decomposition.
  for (int q : {0, 3, 4})
    EXPECT_EQ(
        questions[static_cast<std::size_t>(q)].rfind(" \r\n  VALORES SINGULARES DE LA MATRIZ", 0),
        0u)
        << q;
  EXPECT_EQ(Count(questions[3], "  -->  ELIMINADO \r\n"), 3);
  EXPECT_EQ(s.NumConstraints, 3);
  // In the listing every value beyond the rank is marked, and the printed
  // defect is their count.
  const std::string text = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
  const std::size_t first = text.find("    Defecto  de  rango : ");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(text.substr(first + 25, 3), "3\r\n");
  EXPECT_EQ(Count(text.substr(0, first), "  -->  ELIMINADO"), 3);
  const std::size_t second = text.find("    Defecto  de  rango : ", first + 1);
  ASSERT_NE(second, std::string::npos);
  const int defectN = std::stoi(text.substr(second + 25, 3));
  EXPECT_EQ(Count(text.substr(first, second - first), "  -->  ELIMINADO"), defectN);
}

}  // namespace
}  // namespace ombrel
