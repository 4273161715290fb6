// The order-two design end to end through the driver: the network's own
// cofactor matrix as criterion gives back the network's weights, and the
// driver's handling of the orders one and two.
#include <cstdio>
#include <filesystem>
#include <fstream>

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

void WriteUpperTriangle(const std::string& path, const Eigen::MatrixXd& m) {
  std::ofstream out(path);
  char text[40];
  for (long i = 0; i < m.rows(); ++i) {
    for (long j = i; j < m.cols(); ++j) {
      std::snprintf(text, sizeof text, "%.17g ", m(i, j));
      out << text;
    }
    out << "\n";
  }
}

TEST(DesignOrderTwo, TheNetworksOwnCofactorMatrixGivesBackItsWeights) {
  // syn_free5: 15 observations, 10 unknowns, datum defect 3. With
  // QxxE = N+ the criterion's pseudoinverse is N = sum p_i a_i a_i^t, so a
  // Khatri-Rao matrix of full column rank returns exactly the p_i.
  const NetworkState formed = Formed("syn_free5");
  const int n = Rows(formed), u = Unknowns(formed), defect = 3;
  const Eigen::MatrixXd a = ToEigen(formed.A, n, u), p = ToEigen(formed.P, n, n);
  const Eigen::MatrixXd normal = a.transpose() * p * a;
  const Eigen::MatrixXd criterion = SymmetricPseudoinverse(normal, defect);
  Eigen::MatrixXd kr(u * u, n);
  for (int i = 0; i < n; ++i)
    for (int r = 0; r < u; ++r)
      for (int c = 0; c < u; ++c) kr(r * u + c, i) = a(i, r) * a(i, c);
  ASSERT_EQ(Eigen::FullPivLU<Eigen::MatrixXd>(kr).rank(), n);

  TempDir dir;
  WriteUpperTriangle(dir.File("QxxE.txt"), criterion);
  NetworkState s = Loaded(Network("syn_free5"));
  s.EllipsesDone = "Si";
  ScriptedInteraction ui;
  ui.Then(dir.File("salida.tmp")).Then(Answer::No).Then(Answer::No);
  ui.Then("2").Then("3").Then(dir.File("QxxE.txt"));
  ui.Then(Answer::Yes).Then("0.000000000001").Then(Em6Between(criterion, defect)).Then(Answer::No);
  ui.Then(Answer::No).Then(Answer::No);
  ASSERT_EQ(mnuDesign_Click(s, ui, kDesignOrderTwo), CommandOutcome::Completed);
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_EQ(s.EllipsesDone, "No");
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

TEST(DesignOrderTwo, CancellingEitherPrecisionAbandonsButOffersTheListing) {
  for (const bool atEm6 : {false, true}) {
    SCOPED_TRACE(atEm6);
    TempDir dir;
    NetworkState s = Loaded(Network("syn_quad_2fix"));
    ScriptedInteraction ui;
    ui.Then(dir.File("salida.tmp"));
    if (atEm6)
      ui.Then(Answer::No)
          .Then(Answer::No)
          .Then("1")
          .Then("2")
          .Then(Answer::Yes)
          .Then("1e-12")
          .Then("");
    else
      ui.Then(Answer::Yes).Then("");
    ui.Then(Answer::No);  // the closing question is still asked
    EXPECT_EQ(mnuDesign_Click(s, ui, kDesignOrderTwo), CommandOutcome::Abandoned);
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(s.EllipsesDone, "No");
    const std::vector<std::string> lines = ListingLines(dir.File("salida.tmp"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "    --> CALCULO DEL PD2 ABANDONADO PREMATURAMENTE ");
    EXPECT_EQ(lines[lines.size() - 3], "");
  }
}

TEST(DesignDriver, OrderOneOnAMatrixNetworkIsRefusedAndWritesNothing) {
  TempDir dir;
  NetworkState s = Loaded(Network("syn_quad_2fix"));
  s.MatrixInput = true;
  ScriptedInteraction ui;
  EXPECT_EQ(mnuDesign_Click(s, ui, kDesignOrderOne), CommandOutcome::Refused);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0],
            "La entrada por matrices no permite conocer las coordenadas aproximadas  \r\n"
            "de los puntos ni el tipo de las ecuaciones que se han formado entre ellos.   \r\n"
            "\r\n"
            "        ¡ No es posible realizar el Problema de Diseño de Orden 1 !");
  EXPECT_EQ(ui.Count("InputBox"), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(DesignDriver, OrderOneClearsTheEllipsesWithoutAskingTheOutputType) {
  TempDir dir;
  NetworkState s = Loaded(Network("syn_free5"));
  s.EllipsesDone = "Si";
  ScriptedInteraction ui;
  ui.Then(dir.File("salida.tmp")).Then("1").Then("3").Then("0.01").Then("0.001").Then("2");
  ui.Then("1").Then(Answer::No).Then(Answer::No).Then(Answer::No);
  EXPECT_EQ(mnuDesign_Click(s, ui, kDesignOrderOne), CommandOutcome::Completed);
  EXPECT_EQ(ui.Pending(), 0u);
  EXPECT_EQ(s.EllipsesDone, "No");
  EXPECT_EQ(ui.Count("OutputType"), 0);
  EXPECT_FALSE(ui.Busy());
}

}  // namespace
}  // namespace ombrel
