// The order-one design against cofactor matrices computed with Eigen: the
// system of one and of several vertices, the criterion by the rule of the
// means, from a file and typed, a typed constraint matrix, the bounds on the
// shifts and the coordinates left untouched.
#include "design/order_one.h"

#include <cstdio>
#include <functional>
#include <limits>
#include <variant>

#include "design/design_driver.h"
#include "design/design_outcome.h"
#include "design_fixtures.h"
#include "listing/interrupted_run.h"
#include "model/text_file.h"

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

bool Has(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& line : lines)
    if (Contains(line, part)) return true;
  return false;
}

// The normal matrix of the network as its coordinates stand, formed anew.
Eigen::MatrixXd NormalMatrix(NetworkState s) {
  FormAnew(s);
  const int n = Rows(s), u = Unknowns(s);
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, n, u), p = ToEigen(s.Equations.P, n, n);
  return a.transpose() * p * a;
}

using LongMatrix = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic>;

// The free cofactor matrix of a network of variable points only when E
// holds the translations and rotation of the coordinates as they stand
// (type 2): the pseudoinverse of the normal matrix, in long double.
LongMatrix TypeTwoCofactors(NetworkState s) {
  FormAnew(s);
  const int n = Rows(s), u = Unknowns(s);
  const LongMatrix a = ToEigen(s.Equations.A, n, u).cast<long double>();
  const LongMatrix normal = a.transpose() * ToEigen(s.Equations.P, n, n).cast<long double>() * a;
  const Eigen::SelfAdjointEigenSolver<LongMatrix> eig(normal);
  LongMatrix pinv = LongMatrix::Zero(u, u);
  for (int j = 3; j < u; ++j)  // ascending: the first three span the datum defect
    pinv +=
        eig.eigenvectors().col(j) * eig.eigenvectors().col(j).transpose() / eig.eigenvalues()(j);
  return pinv;
}

// The free cofactor matrix for the constraint rows e, whatever the coordinates.
auto FixedConstraintCofactors(const Eigen::MatrixXd& e) {
  return [e](const NetworkState& s) -> LongMatrix {
    const Eigen::MatrixXd h = (e * e.transpose()).inverse();
    return ((NormalMatrix(s) + e.transpose() * e).inverse() - e.transpose() * h * h * e)
        .cast<long double>();
  };
}

// Translations and rotation of a network of variable points only.
Eigen::MatrixXd DatumRows(const NetworkState& s) {
  const int u = Unknowns(s);
  Eigen::MatrixXd e = Eigen::MatrixXd::Zero(3, u);
  for (int p = 1; p <= s.Network.NumPoints; ++p) {
    const int v = s.Network.VariableIndex(p) - 1;
    e(0, 2 * v) = e(1, 2 * v + 1) = 1.0;
    e(2, 2 * v) = -s.Network.PointY(p);
    e(2, 2 * v + 1) = s.Network.PointX(p);
  }
  return e;
}

// The expected system of order one: the minor of the chosen vertices (point
// numbers, in the order typed) in the cofactor matrices, and the design
// matrix of the derivatives of its distinct elements.
struct ExpectedSystem {
  Eigen::MatrixXd minor, a;
};

// The derivatives by central differences, in the precision of the cofactors.
ExpectedSystem Expected(const NetworkState& s, const std::vector<int>& numbers,
                        const std::function<LongMatrix(const NetworkState&)>& cofactors,
                        double delta) {
  std::vector<int> points, index;
  for (int number : numbers) {
    int p = 1;
    while (s.Network.PointNumber(p) != number) ++p;
    points.push_back(p);
    index.push_back(2 * s.Network.VariableIndex(p) - 2);
    index.push_back(2 * s.Network.VariableIndex(p) - 1);
  }
  const int order = static_cast<int>(index.size());
  const auto minorOf = [&](const LongMatrix& q) {
    LongMatrix m(order, order);
    for (int i = 0; i < order; ++i)
      for (int j = 0; j < order; ++j) m(i, j) = q(index[i], index[j]);
    return m;
  };
  const auto shifted = [&](int c, double by) {
    NetworkState moved = s;
    (c % 2 == 0 ? moved.Network.PointX(points[c / 2]) : moved.Network.PointY(points[c / 2])) += by;
    return minorOf(cofactors(moved));
  };
  ExpectedSystem x;
  x.minor = minorOf(cofactors(s)).cast<double>();
  x.a.resize(order * (order + 1) / 2, order);
  for (int c = 0; c < order; ++c) {
    const LongMatrix d = (shifted(c, delta) - shifted(c, -delta)) / (2 * delta);
    for (int i = 0, row = 0; i < order; ++i)
      for (int j = i; j < order; ++j) x.a(row++, c) = static_cast<double>(d(i, j));
  }
  return x;
}

// The design matrix of the order-one system as listed.
Eigen::MatrixXd ListedDesignMatrix(const std::vector<std::string>& lines) {
  std::size_t system = 0;
  while (system < lines.size() && !Contains(lines[system], "SISTEMA DE ECUACIONES")) ++system;
  const auto rows = NumbersAfter(lines, "    MATRIZ DE DISENO ( A ) ", system);
  Eigen::MatrixXd a(rows.size(), rows.empty() ? 0 : rows[0].size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < rows[i].size(); ++j) a(i, j) = rows[i][j];
  return a;
}

// |listed - expected| / |expected|, infinite when their shapes differ.
double RelativeDifference(const Eigen::MatrixXd& listed, const Eigen::MatrixXd& expected) {
  if (listed.rows() != expected.rows() || listed.cols() != expected.cols())
    return std::numeric_limits<double>::infinity();
  return (listed - expected).norm() / expected.norm();
}

struct DesignRun {
  NetworkState state;
  ScriptedInteraction ui;
  std::vector<std::string> lines;
  std::optional<std::vector<VertexShift>> shifts;

  void Design() { shifts = DesignOrderOne(state, state.Options.SingularValueTolerances, ui); }
};

TEST(DesignOrderOne, OneVertexHasThreeEquationsTheMeanCriterionAndShiftsHeldToTheBound) {
  // vertex 3 is the third variable point
  const Eigen::Matrix2d minor =
      TypeTwoCofactors(Formed("syn_free5")).block(4, 4, 2, 2).cast<double>();

  // h = 0.01, delta = 0.001, network type 2, the automatic criterion.
  TempDir dir;
  DesignRun run;
  run.state = Formed("syn_free5");
  run.state.ListingFileName = dir.File("salida.tmp");
  run.state.Options.OutputDecimals = 6;
  run.ui.Then("1").Then("3").Then("0.01").Then("0.001").Then("2").Then("1");
  run.ui.Then(Answer::Yes).Then("0.000000000001").Then("1e-30");
  run.ui.Then(Answer::No).Then(Answer::No).Then(Answer::No);
  run.Design();
  ASSERT_TRUE(run.shifts);
  run.lines = ListingLines(run.state.ListingFileName);
  // The network-type box opens with the line naming what it is for.
  bool typeAsked = false;
  for (const auto& prompt : run.ui.Prompts())
    typeAsked |=
        prompt.text.rfind("CÁLCULO COLUMNAS MATRIZ  ( A )  .... \r\n\r\nMATRIZ DE", 0) == 0;
  EXPECT_TRUE(typeAsked);

  EXPECT_EQ(NumbersAfter(run.lines, "VECTOR ( W )").size(), 5u);
  const std::vector<Term> terms = ListedTerms(run.lines);
  ASSERT_EQ(terms.size(), 3u);
  // The listed minor has ten decimals of values near 1e-6.
  const double tolerance = 1e-4 * minor.norm();
  EXPECT_NEAR(terms[0].base, minor(0, 0), tolerance);
  EXPECT_NEAR(terms[1].base, minor(0, 1), tolerance);
  EXPECT_NEAR(terms[2].base, minor(1, 1), tolerance);
  const double mean = (terms[0].base + terms[2].base) / 2;
  EXPECT_NEAR(terms[0].target, mean, 1e-12);
  EXPECT_EQ(terms[1].target, 0.0);
  EXPECT_NEAR(terms[2].target, mean, 1e-12);
  for (const Term& t : terms) EXPECT_NEAR(t.k, t.target - t.base, 2e-12);

  ASSERT_TRUE(Has(run.lines, "VECTOR OMEGA(b)"));  // the second pass ran
  // Here its active set is inconsistent and its solution leaves the bounds.
  EXPECT_TRUE(Has(run.lines, "CORRECCIONES LIMITADAS AL INCREMENTO ADOPTADO"));
  const std::vector<Correction> corrections = ListedCorrections(run.lines);
  ASSERT_EQ(corrections.size(), 2u);
  for (const Correction& c : corrections) EXPECT_NEAR(c.total, c.free + c.bounded, 2e-4);
  ASSERT_EQ(run.shifts->size(), 1u);
  const VertexShift& shift = run.shifts->front();
  EXPECT_EQ(shift.vertex, 3);
  EXPECT_NEAR(shift.dx, corrections[0].total, 1e-4);  // four decimals listed
  EXPECT_NEAR(shift.dy, corrections[1].total, 1e-4);
  EXPECT_LE(std::max(std::abs(shift.dx), std::abs(shift.dy)), kBound + 1e-12);
}

TEST(DesignOrderOne, WithoutNegativeMultipliersTheCorrectionsAreTheFreePart) {
  // Every singular value of A^t A is kept and every one of Delta dropped, so
  // the multipliers are all zero, no row becomes active and x = M A^t K,
  // here the least-squares solution of the listed system. A bound of 1 km
  // keeps the clamp out of the way; a step of 1 m gives clean derivatives.
  TempDir dir;
  NetworkState s = Formed("syn_free5");
  s.ListingFileName = dir.File("salida.tmp");
  s.Options.OutputDecimals = 6;
  ScriptedInteraction ui;
  ui.Then("1").Then("3").Then("1000").Then("1").Then("2").Then("1");
  ui.Then(Answer::Yes).Then("0.000000000001").Then("1e-30").Then(Answer::No);
  ui.Then(Answer::Yes).Then("0.000000000001").Then("1e30").Then(Answer::No);
  ASSERT_TRUE(DesignOrderOne(s, s.Options.SingularValueTolerances, ui));
  EXPECT_EQ(ui.Pending(), 0u);
  const std::vector<std::string> lines = ListingLines(s.ListingFileName);
  EXPECT_FALSE(Has(lines, "VECTOR OMEGA(b)"));

  const Eigen::MatrixXd a = ListedDesignMatrix(lines);
  const std::vector<Term> terms = ListedTerms(lines);
  ASSERT_EQ(a.rows(), 3);
  ASSERT_EQ(terms.size(), 3u);
  Eigen::Vector3d k;
  for (int i = 0; i < 3; ++i) k(i) = terms[static_cast<std::size_t>(i)].k;
  const Eigen::Vector2d x = (a.transpose() * a).ldlt().solve(a.transpose() * k);

  const std::vector<Correction> corrections = ListedCorrections(lines);
  ASSERT_EQ(corrections.size(), 2u);
  EXPECT_GT(x.norm(), 1e-2);  // a real correction, not zeros on both sides
  for (int i = 0; i < 2; ++i) {
    const Correction& c = corrections[static_cast<std::size_t>(i)];
    EXPECT_EQ(c.bounded, 0.0);
    EXPECT_EQ(c.total, c.free);
    EXPECT_NEAR(c.free, x(i), 1e-3 * x.norm() + 1e-4);  // four decimals listed
  }
}

// Every prompt may be cancelled: the count (at most the five variable
// points, so "6" is refused), a vertex, the bound, the step, the network
// type, E typed by hand, the criterion option, an element of the criterion
// typed by hand (after "x", refused) and a precision of the review.
TEST(DesignOrderOne, CancellingAnyPromptAbandons) {
  const std::vector<std::vector<ScriptedInteraction::Scripted>> scripts = {
      {"6", ""},
      {"1", ""},
      {"1", "3", ""},
      {"1", "3", "0.01", ""},
      {"1", "3", "0.01", "0.001", ""},
      {"1", "3", "0.01", "0.001", "8", "1", ""},
      {"1", "3", "0.01", "0.001", "2", ""},
      {"1", "3", "0.01", "0.001", "2", "3", "x", ""},
      {"1", "3", "0.01", "0.001", "2", "1", Answer::Yes, "1e-12", ""}};
  for (const auto& script : scripts) {
    SCOPED_TRACE(script.size());
    TempDir dir;
    NetworkState s = Formed("syn_free5");
    s.ListingFileName = dir.File("salida.tmp");
    ScriptedInteraction ui;
    for (const auto& answer : script) std::visit([&](auto a) { ui.Then(a); }, answer);
    EXPECT_FALSE(DesignOrderOne(s, s.Options.SingularValueTolerances, ui));
    EXPECT_EQ(ui.Pending(), 0u);
    const auto messages = ui.Messages();
    const long refused = std::count_if(script.begin(), script.end(), [](const auto& answer) {
      const auto* text = std::get_if<std::string>(&answer);
      return text && (*text == "6" || *text == "x");
    });
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"), refused);
    const std::vector<std::string> lines = ListingLines(s.ListingFileName);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "    --> CALCULO DEL PD1 ABANDONADO PREMATURAMENTE ");
    EXPECT_EQ(lines[lines.size() - 1], "");
  }
}

TEST(DesignOrderOne, SeveralVerticesTakeTheirCriterionFromTheFileInTheWorkingFolder) {
  // Vertices 4 and 2, typed out of their order among the unknowns: q = 10
  // equations, 4 unknowns, 9 inequalities; the columns follow the typed order.
  // The derivatives, steps of 1 mm, agree with central differences of the
  // exact cofactors to the listed digits.
  const double delta = 0.001;
  const NetworkState original = Formed("syn_free5");
  const ExpectedSystem x = Expected(original, {4, 2}, TypeTwoCofactors, delta);
  const Eigen::MatrixXd target = 0.9 * x.minor;  // a network ten per cent better
  TempDir dir;
  WriteUpperTriangle(dir.File("QxxE.txt"), target);
  DesignRun run;
  run.state = original;
  run.state.ListingFileName = dir.File("salida.tmp");
  ScriptedInteraction& ui = run.ui;
  ui.Then("2").Then("4").Then("2").Then("0.01").Then(Text(delta)).Then("2").Then("2");
  ui.Then("QxxE.txt").Then(Answer::Yes).Then("1e-12").Then("1e-30");
  for (int review = 0; review < 3; ++review) ui.Then(Answer::No);
  {
    InFolder in(dir.Path());
    run.Design();
  }
  ASSERT_TRUE(run.shifts);
  EXPECT_EQ(ui.Prompts()[7].defaultText, "QxxE.txt");
  run.lines = ListingLines(run.state.ListingFileName);

  const std::vector<Term> terms = ListedTerms(run.lines);
  ASSERT_EQ(terms.size(), 10u);
  for (const Term& t : terms) {
    SCOPED_TRACE(std::to_string(t.i) + "," + std::to_string(t.j));
    EXPECT_NEAR(t.target, target(t.i - 1, t.j - 1), 1e-12);
    EXPECT_NEAR(t.base, x.minor(t.i - 1, t.j - 1), 1e-4 * x.minor.norm());
    EXPECT_NEAR(t.k, t.target - t.base, 2e-12);
  }
  EXPECT_EQ(NumbersAfter(run.lines, "VECTOR ( W )").size(), 9u);
  EXPECT_EQ(NumbersAfter(run.lines, "MATRIZ ( J )").size(), 9u);
  EXPECT_LT(RelativeDifference(ListedDesignMatrix(run.lines), x.a), 1e-3);

  const std::vector<Correction> corrections = ListedCorrections(run.lines);
  ASSERT_EQ(corrections.size(), 4u);
  for (const Correction& c : corrections) EXPECT_LE(std::abs(c.total), kBound + 1e-12);
}

TEST(DesignOrderOne, TypedConstraintMatrixServesEveryShiftAndTheCriterionIsTyped) {
  // E typed as type 2 would form it; it is asked once and kept while the
  // coordinates are shifted, so the derivatives are those of a fixed E.
  const double delta = 0.001;
  const NetworkState original = Formed("syn_free5");
  const Eigen::MatrixXd e = DatumRows(original);
  const ExpectedSystem x = Expected(original, {3}, FixedConstraintCofactors(e), delta);
  const ExpectedSystem typeTwo = Expected(original, {3}, TypeTwoCofactors, delta);
  ASSERT_GT((x.a - typeTwo.a).norm(), 1e-3 * x.a.norm());  // the two readings differ

  TempDir dir;
  DesignRun run;
  run.state = original;
  run.state.ListingFileName = dir.File("salida.tmp");
  ScriptedInteraction& ui = run.ui;
  ui.Then("1").Then("3").Then("0.01").Then(Text(delta)).Then("8").Then("3");
  for (long i = 0; i < e.rows(); ++i)
    for (long j = 0; j < e.cols(); ++j) ui.Then(Text(e(i, j)));
  // The file prompt cancelled goes back to the choice; then the criterion
  // typed, its element (1,2) corrected afterwards.
  ui.Then("2").Then("").Then("3").Then("2e-6").Then("1e-7").Then("3e-6");
  ui.Then(Answer::Yes).Then("1,2").Then("-4e-7").Then(Answer::No);
  for (int review = 0; review < 3; ++review) ui.Then(Answer::No);
  run.Design();
  ASSERT_TRUE(run.shifts);
  run.lines = ListingLines(run.state.ListingFileName);

  int countPrompts = 0, elementPrompts = 0;
  for (const RecordedCall& call : ui.Prompts()) {
    if (Contains(call.text, "Número de constreñimientos")) {
      ++countPrompts;
      EXPECT_EQ(call.title, "Ombrel   Matriz de constreñimientos");
    }
    elementPrompts += Contains(call.text, "Elemento   E (");
  }
  EXPECT_EQ(countPrompts, 1);
  EXPECT_EQ(elementPrompts, 30);
  EXPECT_LT(RelativeDifference(ListedDesignMatrix(run.lines), x.a), 1e-4);  // forward steps

  const std::vector<Term> terms = ListedTerms(run.lines);
  ASSERT_EQ(terms.size(), 3u);
  const double typed[] = {2e-6, -4e-7, 3e-6};
  for (int t = 0; t < 3; ++t) {
    EXPECT_NEAR(terms[t].target, typed[t], 1e-12);
    EXPECT_NEAR(terms[t].base, x.minor(terms[t].i - 1, terms[t].j - 1), 1e-10);
  }
  const auto criterion = NumbersAfter(run.lines, "MATRIZ MENOR DE CRITERIO OBJETIVO");
  ASSERT_EQ(criterion.size(), 2u);
  EXPECT_EQ(criterion[1][0], criterion[0][1]);  // the correction mirrored
}

// Stopped while it forms the shifted networks, the design ends its listing
// as a failed one does, with every coordinate as it was.
TEST(DesignOrderOne, StoppedAtAProgressReportEndsTheListingWithTheCoordinatesKept) {
  TempDir dir;
  NetworkState s = Loaded(ValidationProject("syn_free5"));
  const NetworkState before = s;
  ScriptedInteraction ui;
  ui.Then(dir.File("salida.tmp")).Then("1").Then("3").Then("0.01").Then("0.001").Then("2");
  ui.StopAtProgress(2);
  EXPECT_EQ(RunDesign(s, ui, DesignProblem::OrderOne), CommandOutcome::Abandoned);
  EXPECT_EQ(ui.Pending(), 0u);
  ASSERT_EQ(ui.ProgressReports().size(), 2u);
  EXPECT_NE(std::string(ui.ProgressReports()[1].text).find(": 2 de 3 "), std::string::npos);
  for (int p = 1; p <= s.Network.NumPoints; ++p) {
    EXPECT_EQ(s.Network.PointX(p), before.Network.PointX(p));
    EXPECT_EQ(s.Network.PointY(p), before.Network.PointY(p));
  }
  const std::string listing = Cp1252ToUtf8(testing::ReadBytes(dir.File("salida.tmp")));
  const std::string last = "\r\n" + InterruptedLine(kStoppedMessage) + "\r\n";
  ASSERT_GT(listing.size(), last.size());
  EXPECT_EQ(listing.substr(listing.size() - last.size()), last);
}

}  // namespace
}  // namespace ombrel
