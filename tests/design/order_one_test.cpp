// The order-one design: the linearised system of one vertex, the rule of the
// means for the criterion, the bounds on the shifts and the coordinates
// left untouched.
#include "design/order_one.h"

#include <cstdio>

#include "design/design_outcome.h"
#include "design_fixtures.h"

namespace ombrel {
namespace {

using namespace design_test;
using testing::TempDir;

constexpr double kBound = 0.01;

// One line of the corrections: total = free part + bounded part.
struct Correction {
  double total, free, bounded;
};

std::vector<Correction> ListedCorrections(const std::vector<std::string>& lines) {
  std::vector<Correction> values;
  bool in = false;
  for (const std::string& line : lines) {
    if (Contains(line, "Correcciones = MAtK")) in = true;
    const std::size_t at = line.find(" ) ");
    if (!in || line.rfind("            ", 0) != 0 || at == std::string::npos) continue;
    Correction c{};
    if (std::sscanf(line.c_str() + at + 3, "%lf = %lf + %lf", &c.total, &c.free, &c.bounded) == 3)
      values.push_back(c);
  }
  return values;
}

// The lines "(i,j) MQxxE - MQxx = K" of the independent terms.
struct Term {
  int i, j;
  double target, base, k;
};

std::vector<Term> ListedTerms(const std::vector<std::string>& lines) {
  std::vector<Term> terms;
  for (const std::string& line : lines) {
    Term t{};
    if (std::sscanf(line.c_str(), " ( %d, %d ) %lf - %lf = %lf", &t.i, &t.j, &t.target, &t.base,
                    &t.k) == 5)
      terms.push_back(t);
  }
  return terms;
}

// Non-empty lines of the block that follows the heading's blank lines.
int CountAfter(const std::vector<std::string>& lines, const std::string& heading) {
  std::size_t at = 0;
  while (at < lines.size() && !Contains(lines[at], heading)) ++at;
  for (++at; at < lines.size() && lines[at].empty(); ++at) {
  }
  int count = 0;
  for (; at < lines.size() && !lines[at].empty(); ++at) ++count;
  return count;
}

bool Has(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& line : lines)
    if (Contains(line, part)) return true;
  return false;
}

struct DesignRun {
  NetworkState state;
  ScriptedInteraction ui;
  std::vector<std::string> lines;
};

// Order one on syn_free5 for vertex 3 (h = 0.01, delta = 0.001, network type
// 2, the automatic criterion); em6 is typed in the review of A^t A when given.
void RunVertexThree(DesignRun& run, const TempDir& dir, const std::string& em6) {
  run.state = Formed("syn_free5");
  run.state.ListingFileName = dir.File("salida.tmp");
  run.state.OutputDecimals = 6;
  ScriptedInteraction& ui = run.ui;
  ui.Then("1").Then("3").Then("0.01").Then("0.001").Then("2").Then("1");
  if (!em6.empty()) ui.Then(Answer::Yes).Then("0.000000000001").Then(em6);
  ui.Then(Answer::No).Then(Answer::No).Then(Answer::No);
  DesignOrderOne(run.state, ui);
  run.lines = ListingLines(run.state.ListingFileName);
}

TEST(DesignOrderOne, OneVertexGivesThreeEquationsTwoUnknownsAndFiveInequalities) {
  TempDir dir;
  DesignRun run;
  RunVertexThree(run, dir, "1e-30");
  ASSERT_NE(run.state.NetworkType, kDesignAbandoned);
  EXPECT_EQ(CountAfter(run.lines, "VECTOR ( W )"), 5);
  const std::vector<Term> terms = ListedTerms(run.lines);
  ASSERT_EQ(terms.size(), 3u);
  EXPECT_EQ(ListedCorrections(run.lines).size(), 2u);

  // The network-type box opens with the line naming what it is for.
  bool typeAsked = false;
  for (const auto& prompt : run.ui.Prompts())
    typeAsked |=
        prompt.text.rfind("CÁLCULO COLUMNAS MATRIZ  ( A )  .... \r\n\r\nMATRIZ DE", 0) == 0;
  EXPECT_TRUE(typeAsked);
}

TEST(DesignOrderOne, TheAutomaticCriterionOfOneVertexIsTheMeanOfItsVariances) {
  // Type 2 takes the rows of the datum defect, so the free cofactor matrix
  // is the pseudoinverse of the normal matrix: an independent oracle.
  const NetworkState formed = Formed("syn_free5");
  const int n = Rows(formed), u = Unknowns(formed);
  const Eigen::MatrixXd a = ToEigen(formed.A, n, u), p = ToEigen(formed.P, n, n);
  const Eigen::MatrixXd q = SymmetricPseudoinverse(a.transpose() * p * a, 3);
  const Eigen::Matrix2d minor = q.block(4, 4, 2, 2);  // vertex 3 is the third variable point

  TempDir dir;
  DesignRun run;
  RunVertexThree(run, dir, "1e-30");
  const std::vector<Term> terms = ListedTerms(run.lines);
  ASSERT_EQ(terms.size(), 3u);
  // The free cofactors pass through inv(N + E^t E) with E in metres of
  // coordinate, which costs some digits against the eigen route.
  const double tolerance = 1e-4 * minor.norm();
  EXPECT_NEAR(terms[0].base, minor(0, 0), tolerance);
  EXPECT_NEAR(terms[1].base, minor(0, 1), tolerance);
  EXPECT_NEAR(terms[2].base, minor(1, 1), tolerance);
  const double mean = (terms[0].base + terms[2].base) / 2;
  EXPECT_NEAR(terms[0].target, mean, 1e-12);
  EXPECT_EQ(terms[1].target, 0.0);
  EXPECT_NEAR(terms[2].target, mean, 1e-12);
  for (const Term& t : terms) EXPECT_NEAR(t.k, t.target - t.base, 2e-12);
}

TEST(DesignOrderOne, ShiftsStayWithinTheBoundAndTheCoordinatesAreKept) {
  TempDir dir;
  DesignRun run;
  RunVertexThree(run, dir, "1e-30");
  const NetworkState original = Loaded(Network("syn_free5"));
  for (int i = 1; i <= original.NumPoints; ++i) {
    EXPECT_EQ(run.state.PointX(i), original.PointX(i)) << i;
    EXPECT_EQ(run.state.PointY(i), original.PointY(i)) << i;
  }
  ASSERT_TRUE(Has(run.lines, "VECTOR OMEGA(b)"));  // the second pass ran
  // Here its active set is inconsistent and its solution leaves the bounds.
  EXPECT_TRUE(Has(run.lines, "CORRECCIONES LIMITADAS AL INCREMENTO ADOPTADO"));
  const std::vector<Correction> corrections = ListedCorrections(run.lines);
  ASSERT_EQ(corrections.size(), 2u);
  for (const Correction& c : corrections) {
    EXPECT_LE(std::abs(c.total), kBound + 1e-12);
    EXPECT_NEAR(c.total, c.free + c.bounded, 2e-4);  // four decimals each
  }
}

TEST(DesignOrderOne, WithoutNegativeMultipliersTheCorrectionsAreTheFreePart) {
  // The default em6 drops every singular value of A^t A on this network
  // (about 1e-12): M, Delta and the multipliers are all zero, no row
  // becomes active and x = M A^t K.
  TempDir dir;
  DesignRun run;
  RunVertexThree(run, dir, "");
  ASSERT_NE(run.state.NetworkType, kDesignAbandoned);
  EXPECT_EQ(run.ui.Pending(), 1u);  // no review of Delta(b)
  EXPECT_FALSE(Has(run.lines, "VECTOR OMEGA(b)"));
  EXPECT_EQ(run.state.Em7, 0);
  const std::vector<Correction> corrections = ListedCorrections(run.lines);
  ASSERT_EQ(corrections.size(), 2u);
  for (const Correction& c : corrections) {
    EXPECT_EQ(c.bounded, 0.0);
    EXPECT_EQ(c.total, c.free);
  }
}

TEST(DesignOrderOne, CancellingTheNetworkTypeOrAPrecisionAbandons) {
  for (const bool atPrecision : {false, true}) {
    SCOPED_TRACE(atPrecision);
    TempDir dir;
    NetworkState s = Formed("syn_free5");
    s.ListingFileName = dir.File("salida.tmp");
    ScriptedInteraction ui;
    ui.Then("1").Then("3").Then("0.01").Then("0.001");
    if (atPrecision)
      ui.Then("2").Then("1").Then(Answer::Yes).Then("1e-12").Then("");
    else
      ui.Then("");
    DesignOrderOne(s, ui);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(s.NetworkType, kDesignAbandoned);
    const std::vector<std::string> lines = ListingLines(s.ListingFileName);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "    --> CALCULO DEL PD1 ABANDONADO PREMATURAMENTE ");
    EXPECT_EQ(lines[lines.size() - 1], "");
  }
}

}  // namespace
}  // namespace ombrel
