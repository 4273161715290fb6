#include "adjust/adjustment_driver.h"

#include <optional>
#include <string>
#include <utility>

#include "adjust/adjust_by_constraints.h"
#include "adjust/adjust_by_inverse.h"
#include "adjust/adjust_by_pseudoinverse.h"
#include "adjust/adjustment_prompts.h"
#include "adjust/approximate_numbers_study.h"
#include "adjust/command_steps.h"
#include "adjust/constraint_matrix.h"
#include "adjust/error_ellipses.h"
#include "adjust/hyperellipsoid_figures.h"
#include "adjust/question_snapshot.h"
#include "adjust/results_export.h"
#include "adjust/results_summary.h"
#include "adjust/run_time_message.h"
#include "adjust/statistical_analysis.h"
#include "listing/interrupted_run.h"
#include "listing/listing_header.h"
#include "model/form_equations.h"
#include "ui/progress_meter.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

void Inform(Interaction& ui, const std::string& text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

// Step checks by method: usable tells whether the network can take it;
// Cancel on the scale question or on the network type ends the command.
// The free-network methods leave ScaleUnknown as an earlier run set it.
bool CheckMethod(NetworkState& s, Interaction& ui, AdjustmentMethod method, bool& usable) {
  usable = false;
  if (method == AdjustmentMethod::Inverse) {
    s.Equations.ScaleUnknown = 0;
    if (s.Import.MatrixInput) {
      usable = true;
      return true;
    }
    if (s.Network.NumFixed < 2) {
      Inform(ui, "¡ La red tiene menos de dos puntos fijos !");
      return true;
    }
    usable = true;
    const Answer scale = ui.MessageBox("¿ Desea agregar al cálculo el factor de escala ?",
                                       Buttons::YesNoCancel, Icon::Information, 2, kAppTitle);
    if (scale == Answer::Cancel) return false;
    if (scale == Answer::Yes) s.Equations.ScaleUnknown = 1;
    return true;
  }
  if (method == AdjustmentMethod::Constraints) {
    if (s.Import.MatrixInput) {
      usable = true;
      s.Options.Datum = DatumType::None;  // E came with the imported matrices
      return true;
    }
    if (s.Network.NumFixed > 1) {
      Inform(ui, "¡ La red tiene dos o más puntos fijos !");
      return true;
    }
    usable = true;
    return AskNetworkType(s, ui);
  }
  usable = true;
  return true;
}

// Step dimensioning: the system sized anew, all zero, and no result of an
// earlier run left (the ellipses' items are the variable points again).
void DimensionResults(NetworkState& s) {
  const int m = s.ProjectUnknowns();
  const int n = s.Network.NumObs + s.Equations.NumCondEq;
  s.Equations.P.Redim(n, n);
  s.Equations.A.Redim(n, m);
  s.Equations.CoefficientErrors.Redim(n, m);
  if (s.Equations.K.Size() < n) s.Equations.K.Redim(n);
  s.Solution = AdjustmentSolution{};
  s.Ellipses = ErrorEllipseSet{};
}

void Abandon(NetworkState& s, const std::string& message) {
  s.MessageText = message;
  s.Abandon = true;
}

void KeepFigures(NetworkState& s, FigureRun run) {
  s.Figures = std::move(run.figures);
  if (run.failed) Abandon(s, kFigureFailure);
}

}  // namespace

void AdjustAndKeep(NetworkState& s, Interaction& ui, AdjustmentMethod method) {
  switch (method) {
    case AdjustmentMethod::Inverse: {
      Result<AdjustmentSolution> solution = AdjustByInverse(s);
      if (!solution) return AbandonOnFailure(s, ui, solution.error());
      s.Solution = std::move(*solution);
      return;
    }
    case AdjustmentMethod::Constraints:
      if (!StartConstraintAdjustment(s, ui)) return Abandon(s, kConstraintEntryCancelled);
      s.Solution = AdjustByConstraints(s);
      return;
    case AdjustmentMethod::Pseudoinverse:
      s.Solution = AdjustByPseudoinverse(s, s.Options.SingularValueTolerances, ui);
      return;
  }
}

namespace {

// The computation steps; returns false as soon as one abandons, with
// listingStarted telling whether the listing was begun by then. Each step
// done is a progress report, where the person may stop the run.
bool Compute(NetworkState& s, Interaction& ui, AdjustmentMethod method, bool threeMethods,
             bool& listingStarted) {
  s.MessageText.clear();
  const bool study = s.Options.StudyApprox && !s.Import.MatrixInput && s.Options.FullOutput;
  ProgressMeter steps(ui, "Compensación", "pasos", 4 + (threeMethods ? 1 : 0) + (study ? 1 : 0), 1);
  const CommandStep plan[] = {
      // No listing for a system that could not be formed.
      {.run = [&] { FormEquations(s, ui); }, .counted = false},
      {.run = [&] { listingStarted = true; }, .counted = false},
      {.run = [&] { WriteListingHeader(s); }},
      {.run = [&] { AdjustAndKeep(s, ui, method); }},
      {.run = [&] { AbandonOnFailure(s, ui, StatisticalAnalysis(s)); }},
      {.run = [&] { s.Ellipses = WriteErrorEllipses(s); }},
      {.run = [&] { KeepFigures(s, HyperellipsoidFigures(s, ui)); }, .runs = threeMethods},
      {.run = [&] { s.Ellipses.Done = true; }, .counted = false},
      {.run = [&] { AbandonOnFailure(s, ui, ApproximateNumbersStudy(s)); }, .runs = study},
      {.run = [&] { AbandonOnFailure(s, ui, WriteResultsSummary(s)); }, .counted = false},
  };
  return RunSteps(s, plan, &steps);
}

bool AskBeforeComputing(NetworkState& s, Interaction& ui, bool& threeMethods) {
  if (!s.Import.MatrixInput && !AskConditionEquations(s, ui)) return false;
  if (!AskBaardaShift(s, ui)) return false;
  threeMethods = AskThreeMethods(ui);
  if (!AskListingFile(s, ui, threeMethods)) return false;
  AskOutputType(s, ui);
  return true;
}

void CleanUp(NetworkState& s, Interaction& ui) {
  s.Abandon = false;
  ui.SetBusy(false);
}

}  // namespace

CommandOutcome RunAdjustment(NetworkState& s, Interaction& ui, AdjustmentMethod method) {
  if (!s.HasActiveProject()) {
    Inform(ui, "¡ No tiene ningún proyecto activo !");
    return CommandOutcome::Refused;
  }
  const QuestionSnapshot beforeQuestions(s);
  s.Options.Datum = DatumType::None;
  s.CriterionFileName.clear();  // a design's, not this run's
  bool usable = false, threeMethods = false;
  if (!CheckMethod(s, ui, method, usable)) {
    beforeQuestions.Restore(s, ui);
    return CommandOutcome::Cancelled;
  }
  if (!usable) {
    CleanUp(s, ui);
    return CommandOutcome::Refused;
  }
  if (!AskBeforeComputing(s, ui, threeMethods)) {
    beforeQuestions.Restore(s, ui);
    return CommandOutcome::Cancelled;
  }
  // From here on the results are this run's: what an earlier one left is
  // resized away, and each figure is offered again once computed.
  DimensionResults(s);
  ForgetErrorFigures(s);
  ui.SetBusy(true);
  s.LastResults.reset();
  bool completed = false, listingStarted = false;
  try {
    completed = Compute(s, ui, method, threeMethods, listingStarted);
    if (completed) KeepResults(s, method);
  } catch (const RunTimeError& error) {
    ReportRunTimeError(s, ui, error);
  } catch (const ComputationStopped&) {
    ReportStopped(s, ui);
  }
  if (completed)
    OfferListing(s, ui);
  else if (listingStarted)
    EndInterruptedListing(s.ListingFileName, s.MessageText);
  CleanUp(s, ui);
  return completed ? CommandOutcome::Completed : CommandOutcome::Abandoned;
}

}  // namespace ombrel
