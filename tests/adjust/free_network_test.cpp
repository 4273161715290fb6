// The two free-network adjustments against each other and against an
// independent minimum-norm solution computed with Eigen.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <optional>
#include <string>

#include "adjust/adjust_by_constraints.h"
#include "adjust/adjust_by_pseudoinverse.h"
#include "adjust/constraint_matrix.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/eigen_bridge.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::Em6Between;
using testing::Rows;
using testing::TempDir;
using testing::ToEigen;
using testing::Unknowns;

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

Eigen::MatrixXd WeightedDesign(const NetworkState& s) {
  return ToEigen(s.Equations.P, Rows(s), Rows(s)).cwiseSqrt() *
         ToEigen(s.Equations.A, Rows(s), Unknowns(s));
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
               DatumType type = DatumType::None) {
  s.ListingFileName = listing;
  s.Options.FullOutput = true;
  s.Options.Datum = type;
  ScriptedInteraction ui;
  if (pseudo) {
    ReviewAnswers(ui, s, defect);
    s.Solution = AdjustByPseudoinverse(s, s.Options.SingularValueTolerances, ui);
  } else {
    EXPECT_TRUE(StartConstraintAdjustment(s, ui));
    s.Solution = AdjustByConstraints(s);
  }
  EXPECT_EQ(ui.Pending(), 0u);
  const int u = Unknowns(s);
  return {ToEigen(s.Solution.Corrections, u), ToEigen(s.Solution.Qxx, u, u), s.Solution.Sigma0Sq};
}

// The minimum-norm least-squares solution of sqrt(P) A x = sqrt(P) K and its
// cofactors (sqrt(P) A)+ (sqrt(P) A)+^t, from Eigen's complete orthogonal
// decomposition.
Solution MinimumNorm(const NetworkState& s) {
  const int m = Rows(s);
  const Eigen::VectorXd pk = ToEigen(s.Equations.P, m, m).cwiseSqrt() * ToEigen(s.Equations.K, m);
  const Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> cod(WeightedDesign(s));
  const Eigen::MatrixXd pinv = cod.pseudoInverse();
  const Eigen::VectorXd x = cod.solve(pk);
  const Eigen::VectorXd v = WeightedDesign(s) * x - pk;
  return {x, pinv * pinv.transpose(), v.squaredNorm() / (m - cod.rank())};
}

// Corrections and variance to `tolerance` of the largest; every standard
// deviation sqrt(sigma0^2 Qxx(i, i)) to `tolerance` of itself.
void ExpectSame(const Solution& got, const Solution& want, double tolerance) {
  EXPECT_LT((got.x - want.x).cwiseAbs().maxCoeff(), tolerance * want.x.cwiseAbs().maxCoeff());
  EXPECT_NEAR(got.sigma0Sq, want.sigma0Sq, tolerance * want.sigma0Sq);
  const Eigen::ArrayXd sd = (want.sigma0Sq * want.qxx.diagonal()).array().sqrt();
  const Eigen::ArrayXd gotSd = (got.sigma0Sq * got.qxx.diagonal()).array().sqrt();
  EXPECT_LT(((gotSd - sd) / sd).abs().maxCoeff(), tolerance);
}

// A^t P v over the coordinate unknowns: zero at a least-squares solution.
double NormalResidual(const NetworkState& s, const Eigen::VectorXd& x) {
  const int m = Rows(s), u = Unknowns(s);
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, m, u);
  const Eigen::MatrixXd p = ToEigen(s.Equations.P, m, m);
  const Eigen::VectorXd v = a * x - ToEigen(s.Equations.K, m);
  return (a.transpose() * p * v).cwiseAbs().maxCoeff() /
         (a.transpose() * p * ToEigen(s.Equations.K, m)).cwiseAbs().maxCoeff();
}

// Every free validation network by both methods, to 1e-9. With one fixed
// point the free rotation (and scale) act about that point: rows taken about
// the origin would not span the defect, and the result would not be a
// least-squares solution.
TEST(FreeNetwork, ConstraintsAndPseudoinverseGiveTheMinimumNormSolution) {
  TempDir dir;
  int angles = 0;
  const std::string anglesOnly = AnglesOnly(ProjectText("syn_free5"), angles);
  EXPECT_EQ(angles, 8);
  const struct {
    const char* what;
    std::string project;
    DatumType type;
    int defect, fixed;
  } cases[] = {
      {"angles and distances, type 2", ProjectText("syn_free5"), DatumType::Type2, 3, 0},
      {"angles only, type 1", anglesOnly, DatumType::Type1, 4, 0},
      {"hoepke, distances only, type 2", ProjectText("hoepke_free"), DatumType::Type2, 3, 0},
      {"strangborre, distances only, type 2", ProjectText("strangborre_free"), DatumType::Type2, 3,
       0},
      {"angles and distances, type 6", FirstPointFixed(ProjectText("syn_free5")), DatumType::Type6,
       1, 1},
      {"angles only, type 5", FirstPointFixed(anglesOnly), DatumType::Type5, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const NetworkState s = testing::LoadFormedText(c.project);
    ASSERT_EQ(s.Network.NumFixed, c.fixed);
    const Solution want = MinimumNorm(s);
    const Solution byE = Solve(s, dir.File("e.tmp"), false, c.defect, c.type);
    ExpectSame(byE, want, 1e-9);
    ExpectSame(Solve(s, dir.File("p.tmp"), true, c.defect), want, 1e-9);
    EXPECT_LT(NormalResidual(s, byE.x), 1e-9);
  }
}

TEST(FreeNetwork, TypeFourOfThreeVariablePointsIsTwoTranslations) {
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.Network.NumPoints = 3;  // the first three points only: six unknowns
  s.Options.Datum = DatumType::Type4;
  ScriptedInteraction ui;
  FormConstraintMatrix(s, ui, kConstraintMatrixTitle);
  ASSERT_EQ(s.Equations.NumConstraints, 2);
  for (int j = 1; j <= 6; ++j) {
    EXPECT_EQ(s.Equations.E(1, j), j % 2 == 1 ? 1.0 : 0.0);
    EXPECT_EQ(s.Equations.E(2, j), j % 2 == 0 ? 1.0 : 0.0);
  }
}

// A count outside 1..10 rows and a text that is not a number are asked
// again; cancelling the count or an element gives up.
TEST(FreeNetwork, TypeEightIsTypedElementByElement) {
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.Options.Datum = DatumType::Type8;
  ScriptedInteraction ui;
  ui.Then("x").Then("0").Then("11").Then("1");
  for (int j = 1; j <= 10; ++j) {
    if (j == 3) ui.Then("tres");
    ui.Then(std::to_string(j) + ".5");
  }
  ASSERT_TRUE(FormConstraintMatrix(s, ui, kConstraintMatrixTitle));
  ASSERT_EQ(s.Equations.NumConstraints, 1);
  for (int j = 1; j <= 10; ++j) EXPECT_EQ(s.Equations.E(1, j), j + 0.5);
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
  s.Options.Datum = DatumType::None;
  ScriptedInteraction ui;
  for (const char* answer : {"12", "9", "0", "x", "1", "3", "5", "7", "4"}) ui.Then(answer);
  ASSERT_TRUE(AskNetworkType(s, ui));
  EXPECT_EQ(s.Options.Datum, DatumType::Type4);
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
  EXPECT_EQ(anglesOnly.Options.Datum, DatumType::Type7);
}

TEST(FreeNetwork, EnterConstraintMatrixLeavesTheCofactorsWithoutListing) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  const Solution byE = Solve(s, dir.File("e.tmp"), false, 3, DatumType::Type2);
  s.Options.Datum = DatumType::Type2;
  s.ListingFileName = dir.File("nunca.tmp");
  ScriptedInteraction ui;
  const std::optional<Matrix> qxx = EnterConstraintMatrix(s, ui);
  ASSERT_TRUE(qxx.has_value());
  EXPECT_LT((ToEigen(*qxx, 10, 10) - byE.qxx).cwiseAbs().maxCoeff(),
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

// Precisions that are not positive numbers are refused and asked again.
TEST(FreeNetwork, SingularValueReviewDecomposesAgainOnlyWithBothPrecisions) {
  TempDir dir;
  NetworkState s = testing::LoadFormedText(ProjectText("syn_free5"));
  s.ListingFileName = dir.File("p.tmp");
  s.Options.FullOutput = true;
  const std::string em6 = Em6Between(WeightedDesign(s), 3);
  ScriptedInteraction ui;
  ui.Then(Answer::Yes).Then("");                         // em2 cancelled
  ui.Then(Answer::Yes).Then("0.000000000001").Then("");  // em6 cancelled
  ui.Then(Answer::Yes);
  for (const char* refused : {"0", "-1E-12", "x", "1e999"}) ui.Then(refused);
  ui.Then("0.000000000001").Then("0").Then(em6).Then(Answer::No);
  ui.Then(Answer::No);  // the decomposition of N as it comes
  s.Solution = AdjustByPseudoinverse(s, s.Options.SingularValueTolerances, ui);
  std::vector<std::string> questions = ui.Messages();
  const auto refusals = std::remove(questions.begin(), questions.end(), "¡ Número no válido !");
  EXPECT_EQ(questions.end() - refusals, 5);
  questions.erase(refusals, questions.end());
  ASSERT_EQ(questions.size(), 5u);
  // The em6 offered is the one the decomposition used: relative to the
  // largest singular value, not the fixed 1e-10.
  const auto prompts = ui.Prompts();
  const std::string offered = std::find_if(prompts.begin(), prompts.end(), [](const auto& p) {
                                return p.text.find("em6  ?") != std::string::npos;
                              })->defaultText;
  EXPECT_NE(offered, "0.0000000001");
  const std::string tail = "\r\n  em2   =   1E-12\r\n  em6   =   " + offered +
                           "\r\n\r\n"
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
  EXPECT_EQ(s.Solution.RankDefect, 3);
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

// With the default precisions the rank of N is that of sqrt(P) A, as Eigen
// finds it: the datum-defect singular values of hoepke_free's N come out
// near 1e-10, and the three-point example's N has one near 7e-10.
TEST(FreeNetwork, DefaultPrecisionsDecideBothRanksAlike) {
  for (const std::string& project : {ProjectText("hoepke_free"), testing::ThreePointProject()}) {
    TempDir dir;
    NetworkState s = testing::LoadFormedText(project);
    s.ListingFileName = dir.File("p.tmp");
    s.Options.FullOutput = true;
    ScriptedInteraction ui;
    ui.Then(Answer::No).Then(Answer::No);
    try {
      AdjustByPseudoinverse(s, s.Options.SingularValueTolerances, ui);
    } catch (const RunTimeError&) {  // three points: no redundancy is left
    }
    const std::string text = Cp1252ToUtf8(testing::ReadBytes(s.ListingFileName));
    const std::string label = "    Rango de la matriz : ";
    const std::size_t first = text.find(label), second = text.find(label, first + 1);
    ASSERT_NE(second, std::string::npos);
    const long rank =
        Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd>(WeightedDesign(s)).rank();
    EXPECT_EQ(std::stol(text.substr(first + label.size())), rank);
    EXPECT_EQ(std::stol(text.substr(second + label.size())), rank);
  }
}

}  // namespace
}  // namespace ombrel
