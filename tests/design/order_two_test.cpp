// The order-two design: the network's own cofactor matrix as criterion
// gives back the network's weights, Baarda's criterion whatever the order
// of the point list, the weights of a system with fewer observations than
// unknowns, and the driver's handling of the orders one and two.
#include "design/order_two.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "design/design_driver.h"
#include "design/design_outcome.h"
#include "design_fixtures.h"

namespace ombrel {
namespace {

using namespace design_test;
using testing::TempDir;

// The lines of the weights table: observation, weight, repetitions.
struct WeightLine {
  int observation;
  double weight, ratio;
};

std::vector<WeightLine> ListedWeights(const std::vector<std::string>& lines) {
  std::vector<WeightLine> values;
  bool in = false;
  for (const std::string& line : lines) {
    if (Contains(line, "FORMA LINEAL")) in = true;
    WeightLine w{};
    if (in && std::sscanf(line.c_str(), "%d %lf %lf", &w.observation, &w.weight, &w.ratio) == 3)
      values.push_back(w);
  }
  return values;
}

// The columns a_i a_i^t (vectorized) of the rows a_i of a.
Eigen::MatrixXd KhatriRao(const Eigen::MatrixXd& a) {
  const long n = a.rows(), u = a.cols();
  Eigen::MatrixXd kr(u * u, n);
  for (long i = 0; i < n; ++i)
    for (long r = 0; r < u; ++r)
      for (long c = 0; c < u; ++c) kr(r * u + c, i) = a(i, r) * a(i, c);
  return kr;
}

TEST(DesignOrderTwo, TheNetworksOwnCofactorMatrixGivesBackItsWeights) {
  // syn_free5: 15 observations, 10 unknowns, datum defect 3. With
  // QxxE = N+ the criterion's pseudoinverse is N = sum p_i a_i a_i^t, so a
  // Khatri-Rao matrix of full column rank returns exactly the p_i.
  const NetworkState formed = Formed("syn_free5");
  const int n = Rows(formed), u = Unknowns(formed), defect = 3;
  const Eigen::MatrixXd a = ToEigen(formed.Equations.A, n, u),
                        p = ToEigen(formed.Equations.P, n, n);
  const Eigen::MatrixXd normal = a.transpose() * p * a;
  const Eigen::MatrixXd criterion = SymmetricPseudoinverse(normal, defect);
  const Eigen::MatrixXd kr = KhatriRao(a);
  ASSERT_EQ(Eigen::FullPivLU<Eigen::MatrixXd>(kr).rank(), n);

  TempDir dir;
  WriteUpperTriangle(dir.File("QxxE.txt"), criterion);
  NetworkState s = Loaded(ValidationProject("syn_free5"));
  s.Ellipses.Done = true;
  ScriptedInteraction ui;
  ui.Then(dir.File("salida.tmp")).Then(Answer::No).Then(Answer::No);
  ui.Then("2").Then("3").Then(dir.File("QxxE.txt"));
  ui.Then(Answer::Yes).Then("0.000000000001").Then(Em6Between(criterion, defect)).Then(Answer::No);
  ui.Then(Answer::No).Then(Answer::No);
  ASSERT_EQ(RunDesign(s, ui, DesignProblem::OrderTwo), CommandOutcome::Completed);
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_FALSE(s.Ellipses.Done);
  EXPECT_EQ(ui.Count("OutputType"), 0);

  const std::vector<WeightLine> weights = ListedWeights(ListingLines(dir.File("salida.tmp")));
  ASSERT_EQ(weights.size(), static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double weight = p(i, i);
    EXPECT_NEAR(weights[i].weight, weight, 1e-6 * weight) << i;
    // p / (P sigma²) with sigma² = 2 typed: half a repetition each.
    EXPECT_NEAR(weights[i].ratio, weights[i].weight / (weight * 2.0), 1e-9) << i;
    EXPECT_NEAR(weights[i].ratio, 0.5, 1e-6) << i;
  }
}

// Every prompt may be cancelled, with the listing still offered: a
// precision of either review, the a-priori variance, the criterion option,
// a value of Baarda's criterion and an element typed by hand (after "x",
// refused).
TEST(DesignOrderTwo, CancellingAnyPromptAbandonsButOffersTheListing) {
  using Script = std::vector<ScriptedInteraction::Scripted>;
  const Answer no = Answer::No;
  for (const Script& script : {Script{Answer::Yes, ""}, Script{no, no, ""}, Script{no, no, "1", ""},
                               Script{no, no, "1", "1", ""}, Script{no, no, "1", "4", "x", ""},
                               Script{no, no, "1", "2", Answer::Yes, "1e-12", ""}}) {
    SCOPED_TRACE(script.size());
    TempDir dir;
    NetworkState s = Loaded(ValidationProject("syn_quad_2fix"));
    ScriptedInteraction ui;
    ui.Then(dir.File("salida.tmp"));
    for (const auto& answer : script) std::visit([&](auto a) { ui.Then(a); }, answer);
    ui.Then(Answer::No);  // the closing question is still asked
    EXPECT_EQ(RunDesign(s, ui, DesignProblem::OrderTwo), CommandOutcome::Abandoned);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_FALSE(s.Ellipses.Done);
    const auto messages = ui.Messages();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "¡ Número no válido !"),
              std::count(script.begin(), script.end(), Script::value_type(std::string("x"))));
    const std::vector<std::string> lines = ListingLines(dir.File("salida.tmp"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "    --> CALCULO DEL PD2 ABANDONADO PREMATURAMENTE ");
    EXPECT_EQ(lines[lines.size() - 3], "");
  }
}

// syn_free5 with its points 1 and 2 fixed, the point lines in the order of
// the point numbers given and only the observations numbered in keep (all
// when empty). The distance 1 between the fixed points is left out.
std::string FreeFiveWithTwoFixed(const TempDir& dir, const std::vector<int>& order,
                                 const std::vector<int>& keep = {}) {
  std::vector<std::string> lines;
  std::istringstream in(testing::ReadBytes(ValidationProject("syn_free5")));
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.size() - 1));
  std::vector<std::string> points, observations;
  for (int number : order) {
    std::string line = lines[static_cast<std::size_t>(number)];
    if (number <= 2) line.replace(line.find("vble"), 4, "fijo");
    points.push_back(line);
  }
  for (std::size_t i = 6; i < lines.size(); ++i)
    if (const int number = std::stoi(lines[i]);
        number != 1 && (keep.empty() || std::find(keep.begin(), keep.end(), number) != keep.end()))
      observations.push_back(lines[i]);
  return WriteProject(dir, "project" + std::to_string(order[0]) + ".txt", points, observations);
}

TEST(DesignOrderTwo, BaardasCriterionTakesTheDistancesOfTheVariablePointsInAnyListOrder) {
  // With the fixed points first, or the points shuffled, the i-th variable
  // point is not the i-th point of the list.
  const double d = 0.5, k = 0.01;
  std::vector<std::map<std::pair<int, int>, double>> covariances;
  for (const std::vector<int>& order : {std::vector<int>{1, 2, 3, 4, 5}, {5, 1, 3, 2, 4}}) {
    TempDir dir;
    NetworkState s = Formed(FreeFiveWithTwoFixed(dir, order));
    s.ListingFileName = dir.File("salida.tmp");
    ScriptedInteraction ui;
    ui.Then(Answer::No).Then(Answer::No).Then("1").Then("1").Then(Text(d)).Then("300");
    ui.Then(Text(k)).Then(Answer::No).Then(Answer::No);
    const OrderTwoRun run = DesignOrderTwo(s, s.Options.SingularValueTolerances, ui);
    ASSERT_EQ(ui.Pending(), 0u);
    ASSERT_TRUE(run.solution);
    const AdjustmentSolution& solution = *run.solution;

    std::vector<int> variable(4);  // point index by variable index
    for (int p = 1; p <= s.Network.NumPoints; ++p) variable[s.Network.VariableIndex(p)] = p;
    const auto distance = [&](int i, int j) {
      return std::hypot(s.Network.PointX(variable[i]) - s.Network.PointX(variable[j]),
                        s.Network.PointY(variable[i]) - s.Network.PointY(variable[j]));
    };
    std::string proposed;
    for (const RecordedCall& call : ui.Prompts())
      if (Contains(call.text, "Valor medio de las distancias")) proposed = call.defaultText;
    ASSERT_FALSE(proposed.empty());
    EXPECT_NEAR(std::stod(proposed), (distance(1, 2) + distance(1, 3) + distance(2, 3)) / 3, 1e-9);
    std::map<std::pair<int, int>, double> byNumbers;
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(solution.Qxx(2 * i - 1, 2 * i - 1), d);
      EXPECT_EQ(solution.Qxx(2 * i, 2 * i), d);
      for (int j = i + 1; j <= 3; ++j) {
        const double expected = solution.Sigma0Sq * d - 2 * k * k * distance(i, j);
        EXPECT_NEAR(solution.Qxx(2 * i - 1, 2 * j - 1), expected, 1e-12);
        EXPECT_NEAR(solution.Qxx(2 * j, 2 * i), expected, 1e-12);
        EXPECT_EQ(solution.Qxx(2 * i - 1, 2 * j), 0.0);
        byNumbers[std::minmax(s.Network.PointNumber(variable[i]),
                              s.Network.PointNumber(variable[j]))] =
            solution.Qxx(2 * i - 1, 2 * j - 1);
      }
    }
    covariances.push_back(byNumbers);
  }
  ASSERT_EQ(covariances[0].size(), 3u);
  for (const auto& [pair, value] : covariances[0])
    EXPECT_NEAR(covariances[1][pair], value, 1e-12) << pair.first << "-" << pair.second;
}

TEST(DesignOrderTwo, FewerObservationsThanUnknownsStillGiveTheLeastSquaresWeights) {
  // Three variable points (6 unknowns) and 5 observations: the preliminary
  // decomposition takes the transpose; the weights are the least-squares
  // solution of (A^t o A^t) p = vec(QxxE^-1), KR having full column rank.
  TempDir dir;
  NetworkState s = Formed(FreeFiveWithTwoFixed(dir, {1, 2, 3, 4, 5}, {2, 3, 4, 6, 10}));
  const int n = Rows(s), u = Unknowns(s);
  ASSERT_LT(n, u);
  Eigen::MatrixXd criterion(u, u);
  for (int i = 0; i < u; ++i)
    for (int j = 0; j < u; ++j)
      criterion(i, j) = 1e-4 * (i == j ? 2 + 0.1 * i : 0.3 / (1 + std::abs(i - j)));
  WriteUpperTriangle(dir.File("QxxE.txt"), criterion);
  const Eigen::MatrixXd a = ToEigen(s.Equations.A, n, u);
  ASSERT_EQ(Eigen::FullPivLU<Eigen::MatrixXd>(a).rank(), n);
  const Eigen::MatrixXd kr = KhatriRao(a);
  ASSERT_EQ(Eigen::FullPivLU<Eigen::MatrixXd>(kr).rank(), n);
  const Eigen::MatrixXd inverse = criterion.inverse();
  const Eigen::VectorXd vec = Eigen::Map<const Eigen::VectorXd>(inverse.data(), u * u);
  const Eigen::VectorXd expected = kr.colPivHouseholderQr().solve(vec);

  s.ListingFileName = dir.File("salida.tmp");
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("1").Then("3").Then(dir.File("QxxE.txt"));
  ui.Then(Answer::No).Then(Answer::No);
  const OrderTwoRun run = DesignOrderTwo(s, s.Options.SingularValueTolerances, ui);
  ASSERT_EQ(ui.Pending(), 0u);
  ASSERT_TRUE(run.solution);
  EXPECT_EQ(run.criterionFile, dir.File("QxxE.txt"));  // kept among the run's inputs
  const std::string review = ui.Prompts()[0].text;
  EXPECT_TRUE(Contains(review, " \r\n  VALORES SINGULARES DE LA MATRIZ  trasp( Sqr(P) A ) \r\n"));
  EXPECT_TRUE(review.ends_with("\r\n\r\n  ¿ DESEA REALIZAR UN NUEVO CALCULO ?  "));
  // The preliminary solution fits every observation of a system of full row rank.
  const double scale = ToEigen(s.Equations.K, n).norm();
  for (int i = 1; i <= n; ++i) EXPECT_NEAR(run.solution->Residuals(i), 0.0, 1e-9 * scale) << i;
  const auto weights =
      NumbersAfter(ListingLines(s.ListingFileName), "VECTOR DIAGONAL DE LOS PESOS");
  ASSERT_EQ(weights.size(), static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) EXPECT_NEAR(weights[i][0], expected(i), 1e-9 * expected.norm()) << i;
}

TEST(DesignOrderTwo, BaardasCriterionNeedsTwoVariablePoints) {
  TempDir dir;
  NetworkState s = Formed(WriteProject(
      dir, "uno.txt", {"00 ,1 ,0 ,0 ,fijo ,1", "00 ,2 ,100 ,0 ,fijo ,2", "00 ,3 ,50 ,50 ,vble ,3"},
      {"1 ,-99 ,1 ,3 ,70.711 ,1", "2 ,-99 ,2 ,3 ,70.710 ,1", "3 ,-99 ,1 ,3 ,70.712 ,1"}));
  s.ListingFileName = dir.File("salida.tmp");
  ScriptedInteraction ui;
  ui.Then(Answer::No).Then(Answer::No).Then("1").Then("1").Then("2");
  ui.Then(Answer::No).Then(Answer::No);
  // with the means criterion
  EXPECT_TRUE(DesignOrderTwo(s, s.Options.SingularValueTolerances, ui).solution);
  EXPECT_EQ(ui.Pending(), 0u);
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(),
                       "¡ Opción no válida con menos de dos puntos variables !"),
            1);
}

// The listing named as criterion file is refused; a criterion file that
// cannot be read stops the run, and the listing says so at its end.
TEST(DesignDriver, ACriterionFileThatIsTheListingOrMissingNeverPassesForAResult) {
  TempDir dir;
  NetworkState s = Loaded(ValidationProject("syn_quad_2fix"));
  const std::string listing = dir.File("salida.tmp"), missing = dir.File("falta.txt");
  ScriptedInteraction ui;
  ui.Then(listing).Then(Answer::No).Then(Answer::No).Then("1").Then("3").Then(listing);
  ui.Then(missing);
  EXPECT_EQ(RunDesign(s, ui, DesignProblem::OrderTwo), CommandOutcome::Abandoned);
  const std::string failure =
      "¡ Se ha producido un error en el cálculo !\r\n\r\n"
      "No se puede leer el fichero " +
      missing + ".";
  const auto messages = ui.Messages();
  EXPECT_EQ(std::count(messages.begin(), messages.end(),
                       "¡ El fichero " + listing + " es el fichero de salida del cálculo !"),
            1);
  EXPECT_EQ(messages.back(), failure);
  EXPECT_EQ(ListingLines(listing).back(),
            "    CÁLCULO INTERRUMPIDO: ¡ Se ha producido un error en el cálculo ! "
            "No se puede leer el fichero " +
                missing + ".");
}

TEST(DesignDriver, OrderOneOnAMatrixNetworkIsRefusedAndWritesNothing) {
  TempDir dir;
  NetworkState s = Loaded(ValidationProject("syn_quad_2fix"));
  s.Import.MatrixInput = true;
  ScriptedInteraction ui;
  EXPECT_EQ(RunDesign(s, ui, DesignProblem::OrderOne), CommandOutcome::Refused);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0],
            "La entrada por matrices no permite conocer las coordenadas aproximadas  \r\n"
            "de los puntos ni el tipo de las ecuaciones que se han formado entre ellos.   \r\n"
            "\r\n"
            "        ¡ No es posible realizar el Problema de Diseño de Orden 1 !");
  EXPECT_EQ(ui.Count("InputBox"), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace ombrel
