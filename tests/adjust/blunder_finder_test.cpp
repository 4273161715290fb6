// The blunder finder against real re-adjustments without each observation,
// and on the validation networks with one observation disturbed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "adjust/adjustment_driver.h"
#include "adjust/blunder_command.h"
#include "numeric/run_time_error.h"
#include "support/adjusted_network.h"
#include "support/listing_reader.h"
#include "support/temp_dir.h"
#include "support/validation_list.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::TempDir;

Vector Weights(const NetworkState& s) {
  Vector p(s.Network.NumObs);
  for (int i = 1; i <= s.Network.NumObs; ++i) p(i) = s.Equations.P(i, i);
  return p;
}

// The network without observation i, as if its line were deleted.
void RemoveObservation(NetworkState& s, int i) {
  for (int j = i; j < s.Network.NumObs; ++j) {
    for (int e = 1; e <= 3; ++e) s.Network.ObsPoints(e, j) = s.Network.ObsPoints(e, j + 1);
    s.Network.ObsValue(j) = s.Network.ObsValue(j + 1);
    for (int r = 1; r <= 2; ++r) s.Network.ObsWeights(r, j) = s.Network.ObsWeights(r, j + 1);
    s.Network.ObservationNumber(j) = s.Network.ObservationNumber(j + 1);
  }
  --s.Network.NumObs;
  testing::FormAnew(s);
}

// v^t P v of the network adjusted by the program's own method for its
// datum. With no degree of freedom left the adjustment stops at the
// variance, after the residuals (all zero then) are computed.
double AdjustedSum(NetworkState s, bool free, const std::string& listing) {
  const int n = s.Network.NumObs, u = s.Equations.NumUnknowns;
  s.Solution.Qxx.Redim(u, u);
  s.Solution.Qvv.Redim(n, n);
  s.Solution.QAdjusted.Redim(n, n);
  s.Solution.Residuals.Redim(n);
  s.ListingFileName = listing;
  ScriptedInteraction ui;
  try {
    if (free) {
      s.Options.Datum = DatumType::Type2;
      AdjustAndKeep(s, ui, AdjustmentMethod::Constraints);
    } else {
      AdjustAndKeep(s, ui, AdjustmentMethod::Inverse);
    }
  } catch (const RunTimeError&) {
  }
  double sum = 0.0;
  for (int i = 1; i <= n; ++i)
    sum += s.Equations.P(i, i) * s.Solution.Residuals(i) * s.Solution.Residuals(i);
  return sum;
}

TEST(BlunderFinder, ClosedFormDropEqualsTheReadjustmentWithoutEachObservation) {
  TempDir dir;
  int compared = 0;
  for (const auto& network : testing::ValidationNetworks()) {
    const NetworkState s = testing::LoadFormed(network.project);
    const Vector p = Weights(s);
    const LeastSquaresSolution solution = SolveLeastSquares(
        s.Equations.A, s.Equations.K, p, s.Network.NumObs, s.Equations.NumUnknowns);
    const double all = AdjustedSum(s, network.free, dir.File("salida.tmp"));
    EXPECT_NEAR(solution.weightedSum, all, 1e-9 * all) << network.name;
    for (const BlunderRow& row : FindBlunders(solution, p, s.Network.NumObs, 4.12).ranked) {
      if (!row.checked) continue;
      NetworkState without = s;
      RemoveObservation(without, row.row);
      const double rest = AdjustedSum(without, network.free, dir.File("salida.tmp"));
      EXPECT_NEAR(all - row.drop, rest, 1e-9 * all) << network.name << " row " << row.row;
      ++compared;
    }
  }
  EXPECT_GT(compared, 60);
}

TEST(BlunderFinder, AnObservationDisturbedByTenDeviationsRanksFirst) {
  TempDir dir;
  for (const auto& network : testing::ValidationNetworks()) {
    NetworkState s = testing::LoadFormed(network.project);
    const Vector p = Weights(s);
    const LeastSquaresSolution before = SolveLeastSquares(
        s.Equations.A, s.Equations.K, p, s.Network.NumObs, s.Equations.NumUnknowns);
    // The best-controlled observation, moved by ten standard deviations as
    // the adjustment estimates them (sigma0 / sqrt(p), in gon or metres).
    int disturbed = 1;
    for (int i = 2; i <= s.Network.NumObs; ++i)
      if (before.redundancy(i) > before.redundancy(disturbed)) disturbed = i;
    const double sigma0 = std::sqrt(before.weightedSum / before.degreesOfFreedom);
    const double unit = s.Network.ObsPoints(1, disturbed) == kDistanceMarker ? 1.0 : 1e-4;
    s.Network.ObsValue(disturbed) += 10.0 * sigma0 / std::sqrt(p(disturbed)) * unit;
    ScriptedInteraction ui;
    const std::string listing = dir.File(network.name + ".tmp");
    ui.Then("4.12").Then(listing).Then(Answer::No);
    BlunderReport report;
    ASSERT_EQ(FindBlundersCommand(s, ui, &report), CommandOutcome::Completed) << network.name;
    const auto& ranked = report.search.ranked;
    const auto at = std::find_if(ranked.begin(), ranked.end(),
                                 [&](const BlunderRow& b) { return b.row == disturbed; });
    ASSERT_NE(at, ranked.end());
    EXPECT_EQ(at->place, 1) << network.name << " row " << disturbed;
    EXPECT_GE(at->drop, ranked.front().drop * (1 - kEqualDrop)) << network.name;
    // The listing names the same observation among its first places.
    const std::string number = std::to_string(s.Network.ObservationNumber(disturbed));
    bool listed = false;
    for (const std::string& line : testing::ListingLines(listing))
      listed |= line.rfind("     1  ", 0) == 0 &&
                testing::Numbers(line.substr(6)).at(0) == std::stod(number);
    EXPECT_TRUE(listed) << network.name;
  }
}

}  // namespace
}  // namespace ombrel
