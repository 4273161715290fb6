#include "design/design_driver.h"

#include <optional>
#include <string>
#include <utility>

#include "adjust/adjustment_prompts.h"
#include "adjust/command_steps.h"
#include "adjust/error_ellipses.h"
#include "adjust/run_time_message.h"
#include "design/design_outcome.h"
#include "design/order_one.h"
#include "design/order_two.h"
#include "design/order_zero.h"
#include "listing/interrupted_run.h"
#include "listing/listing_header.h"
#include "model/form_equations.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

void Inform(Interaction& ui, const std::string& text) {
  ui.Beep();
  ui.MessageBox(text, Buttons::Ok, Icon::Information, 1, kAppTitle);
}

const std::string& MatrixInputRefusal() {
  static const std::string text =
      JoinLines({"La entrada por matrices no permite conocer las coordenadas aproximadas  ",
                 "de los puntos ni el tipo de las ecuaciones que se han formado entre ellos.   ",
                 "", "        ¡ No es posible realizar el Problema de Diseño de Orden 1 !"});
  return text;
}

// The equation system sized anew with the condition equations and scale
// unknown of the last adjustment. K keeps its condition terms, which the
// formation of a project's equations expects to find there.
void DimensionSystem(NetworkState& s) {
  const int n = s.Network.NumObs + s.Equations.NumCondEq;
  const int m = s.ProjectUnknowns();
  s.Equations.P.Redim(n, n);
  s.Equations.A.Redim(n, m);
  s.Equations.CoefficientErrors.Redim(n, m);
  s.Equations.K.Redim(n);
  for (int r = 1; r <= s.Equations.NumCondEq && r <= s.Equations.CondTerms.Size(); ++r)
    s.Equations.K(s.Network.NumObs + r) = s.Equations.CondTerms(r);
}

enum class Ending { Offer, Abandoned, AbandonedOffer };

// The order-zero solution on its vertices, and their ellipses, are kept
// for the plot and the DXF export.
Ending RunOrderZero(NetworkState& s, Interaction& ui) {
  std::optional<OrderZeroResult> result = DesignOrderZero(s, s.Options.SingularValueTolerances, ui);
  if (!result) return Ending::Abandoned;
  s.Solution = std::move(result->solution);
  s.Ellipses.APriori = result->aPrioriVariance;
  s.Ellipses.DesignVertexCount = result->vertices.Size();
  s.Ellipses.DesignVertices = std::move(result->vertices);
  s.Ellipses.ForDesignVertices = true;
  s.Ellipses = WriteErrorEllipses(s);
  s.Ellipses.Done = true;
  return Ending::Offer;
}

// Order two keeps its criterion cofactors and variance, and the criterion
// file it read among the run's inputs. Returns whether it completed.
bool RunOrderTwo(NetworkState& s, Interaction& ui) {
  OrderTwoRun run = DesignOrderTwo(s, s.Options.SingularValueTolerances, ui);
  s.CriterionFileName = run.criterionFile;
  if (!run.solution) return false;
  s.Solution = std::move(*run.solution);
  return true;
}

Ending Compute(NetworkState& s, Interaction& ui, DesignProblem problem, bool& listingStarted) {
  const CommandStep preparation[] = {
      // No listing for a system that could not be formed.
      {.run = [&] { FormEquations(s, ui); }},
      {.run = [&] { listingStarted = true; }},
      {.run = [&] { WriteListingHeader(s); }},
  };
  if (!RunSteps(s, preparation)) return Ending::Abandoned;
  if (problem == DesignProblem::OrderZero) return RunOrderZero(s, ui);
  const bool completed = problem == DesignProblem::OrderOne
                             ? DesignOrderOne(s, s.Options.SingularValueTolerances, ui).has_value()
                             : RunOrderTwo(s, ui);
  s.Ellipses.Done = false;
  return completed ? Ending::Offer : Ending::AbandonedOffer;
}

}  // namespace

CommandOutcome RunDesign(NetworkState& s, Interaction& ui, DesignProblem problem) {
  if (!s.HasActiveProject()) {
    Inform(ui, "¡ No tiene ningún proyecto activo !");
    return CommandOutcome::Refused;
  }
  if (problem == DesignProblem::OrderOne && s.Import.MatrixInput) {
    Inform(ui, MatrixInputRefusal());
    return CommandOutcome::Refused;
  }
  s.Options.Datum = DatumType::None;
  s.CriterionFileName.clear();
  DimensionSystem(s);
  if (!AskListingFile(s, ui)) return CommandOutcome::Cancelled;
  // Whatever figures an earlier run left do not belong to this one's results.
  ForgetErrorFigures(s);
  ui.SetBusy(true);
  Ending ending = Ending::Abandoned;
  bool listingStarted = false, failed = true;
  try {
    ending = Compute(s, ui, problem, listingStarted);
    failed = false;
  } catch (const RunTimeError& error) {
    ReportRunTimeError(s, ui, error);
  } catch (const ComputationStopped&) {
    ReportStopped(s, ui);
  }
  if (failed && listingStarted) EndInterruptedListing(s.ListingFileName, s.MessageText);
  if (ending != Ending::Abandoned) OfferListing(s, ui);
  s.Abandon = false;
  ui.SetBusy(false);
  return ending == Ending::Offer ? CommandOutcome::Completed : CommandOutcome::Abandoned;
}

}  // namespace ombrel
