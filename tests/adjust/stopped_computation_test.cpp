// A computation stopped at a progress report ends its listing with the line
// of a failed one, keeps on disk everything it wrote and leaves the network
// as after a failure; one that nobody stops writes what a run that reports
// nowhere writes.
#include <gtest/gtest.h>

#include "adjust/adjustment_driver.h"
#include "adjust/open_project_command.h"
#include "adjust/twin_listing.h"
#include "listing/interrupted_run.h"
#include "model/text_file.h"
#include "support/adjusted_network.h"
#include "support/step_checks.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

namespace ombrel {
namespace {

using testing::ReadBytes;
using testing::TempDir;

// Reports nowhere and never stops.
class Silent : public ScriptedInteraction {
 public:
  void ReportProgress(const Progress&) override {}
};

struct FigureRun {
  CommandOutcome outcome;
  NetworkState state;
  std::string listing, second;
  std::vector<double> fractions;
  bool busy;
};

// hoepke_free adjusted with E and the three figure methods, keeping 13 of
// its 16 eigenvalues: some 11,000 ellipses. stopAt 0: nobody stops it.
FigureRun AdjustWithFigures(ScriptedInteraction& ui, int stopAt) {
  TempDir dir;
  FigureRun run{};
  run.state = testing::Loaded(testing::ValidationProject("hoepke_free"));
  const std::string listing = dir.File("salida.tmp");
  ui.Then("2").Then(Answer::No).Then("4.12").Then(Answer::Yes).Then(listing);
  ui.Then(OutputType::Full).Then("13").Then("1").Then(Answer::No);
  if (stopAt > 0) ui.StopAtProgress(stopAt);
  run.outcome = RunAdjustment(run.state, ui, AdjustmentMethod::Constraints);
  run.listing = Cp1252ToUtf8(ReadBytes(listing));
  run.second = Cp1252ToUtf8(ReadBytes(SecondReportPath(listing)));
  for (const Progress& p : ui.ProgressReports()) run.fractions.push_back(p.fraction);
  run.busy = ui.Busy();
  return run;
}

TEST(StoppedComputation, EndsTheListingAsAFailedOneAndKeepsWhatItWrote) {
  ScriptedInteraction reported;
  const FigureRun whole = AdjustWithFigures(reported, 0);
  ASSERT_EQ(whole.outcome, CommandOutcome::Completed) << whole.state.MessageText;
  Silent silent;
  EXPECT_TRUE(AdjustWithFigures(silent, 0).listing == whole.listing);
  // The first report of the rosettes and the last of the semi-axis ellipses.
  int rosettes = 0, semiAxes = 0, at = 0;
  for (const Progress& p : reported.ProgressReports()) {
    ++at;
    if (p.text.starts_with("Método de las proyecciones del hiperelipsoide") && rosettes == 0)
      rosettes = at;
    if (p.text.starts_with("Método de las proyecciones de los semiejes")) semiAxes = at;
  }
  ASSERT_GT(rosettes, 0);
  ASSERT_GT(semiAxes, rosettes);

  const std::string interrupted = "\r\n" + InterruptedLine(kStoppedMessage) + "\r\n";
  for (const int stopAt : {rosettes, semiAxes}) {
    SCOPED_TRACE(stopAt);
    ScriptedInteraction ui;
    const FigureRun stopped = AdjustWithFigures(ui, stopAt);
    EXPECT_EQ(stopped.outcome, CommandOutcome::Abandoned);
    EXPECT_EQ(stopped.fractions.size(), static_cast<std::size_t>(stopAt));
    EXPECT_EQ(stopped.state.MessageText, kStoppedMessage);
    EXPECT_FALSE(stopped.state.Abandon);
    EXPECT_FALSE(stopped.busy);
    EXPECT_FALSE(stopped.state.Figures.AxisProjDone);
    EXPECT_FALSE(stopped.state.Ellipses.Done);
    EXPECT_EQ(ui.Messages().back(), kStoppedMessage);
    // Everything written up to the stop is on disk, in both files.
    ASSERT_GT(stopped.listing.size(), interrupted.size());
    const std::size_t written = stopped.listing.size() - interrupted.size();
    EXPECT_EQ(stopped.listing.substr(written), interrupted);
    EXPECT_LT(written, whole.listing.size());
    EXPECT_EQ(whole.listing.compare(0, written, stopped.listing, 0, written), 0);
    EXPECT_GT(stopped.second.size(), 0u);
    EXPECT_LT(stopped.second.size(), whole.second.size());
    EXPECT_EQ(whole.second.compare(0, stopped.second.size(), stopped.second), 0);
  }
}

}  // namespace
}  // namespace ombrel
