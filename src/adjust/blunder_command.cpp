#include "adjust/blunder_command.h"

#include "adjust/adjustment_prompts.h"
#include "adjust/output_prompt.h"
#include "adjust/run_time_message.h"
#include "listing/interrupted_run.h"
#include "model/form_equations.h"
#include "model/plain_network.h"
#include "ui/prompt_text.h"

namespace ombrel {
namespace {

constexpr const char* kNoFreedom =
    "¡ La red no tiene grados de libertad !\r\n\r\n"
    "Ninguna observación está comprobada por las demás.";

// The system of the active network on a copy of the state, so that the
// network's own A, K, P and results stay as the last command left them.
bool FormSystem(const NetworkState& state, Interaction& ui, NetworkState& work) {
  work = state;
  work.Options.StudyApprox = false;
  if (!work.Import.MatrixInput) {
    work.Equations.ScaleUnknown = 0;
    work.Equations.NumCondEq = 0;
    DimensionProjectSystem(work);
  }
  FormEquations(work, ui);
  return !work.Abandon;
}

Vector Weights(const NetworkState& work, int rows) {
  Vector p(rows);
  for (int i = 1; i <= rows; ++i) p(i) = work.Equations.P(i, i);
  return p;
}

void OfferBlunderListing(const std::string& listing, Interaction& ui) {
  ui.SetBusy(false);
  ui.Beep();
  const std::string text = JoinLines({"", "  ¡ FIN  DE  LA  BUSQUEDA  DE  ERRORES  GROSEROS !  ",
                                      "", "  Resultados en el fichero de salida          ", "", "",
                                      "¿ Desea ver ahora el fichero de salida ?"});
  if (ui.MessageBox(text, Buttons::YesNo, Icon::Information, 2, kAppTitle) == Answer::Yes)
    ui.OpenInEditor(listing);
}

bool Search(NetworkState& state, Interaction& ui, double shift, const std::string& listing,
            BlunderReport& report, bool& started) {
  NetworkState work;
  if (!FormSystem(state, ui, work)) return false;
  const int rows = work.Import.MatrixInput ? work.Equations.NumEquations : work.Network.NumObs;
  const Vector p = Weights(work, rows);
  const LeastSquaresSolution solution =
      SolveLeastSquares(work.Equations.A, work.Equations.K, p, rows, work.Equations.NumUnknowns);
  if (solution.degreesOfFreedom < 1) {
    RefuseWithBeep(ui, kNoFreedom);
    return false;
  }
  report.search = FindBlunders(solution, p, rows, shift);
  report.names = RowNamesOf(work, rows);
  started = true;
  ListingWriter out(listing, ListingWriter::Mode::Create);
  WriteBlunderListing(out, state.ProjectLabel, report.search, report.names);
  out.Close();
  return true;
}

}  // namespace

std::vector<RowName> RowNamesOf(const NetworkState& state, int rows) {
  std::vector<RowName> names;
  if (state.Import.MatrixInput) {
    for (int i = 1; i <= rows; ++i) names.push_back({i, "fila", ""});
    return names;
  }
  for (const PlainObservation& o : PlainNetworkOf(state).observations) {
    std::string points;
    for (const int p : PointsOf(o)) points += (points.empty() ? "" : "-") + std::to_string(p);
    names.push_back({o.number, KindName(o.kind), points});
  }
  return names;
}

CommandOutcome FindBlundersCommand(NetworkState& state, Interaction& ui, BlunderReport* report) {
  if (!state.HasActiveProject()) {
    RefuseWithBeep(ui, "¡ No tiene ningún proyecto activo !");
    return CommandOutcome::Refused;
  }
  NetworkState asked = state;  // Baarda's parameter of the adjustments stays as it was
  if (!AskBaardaShift(asked, ui)) return CommandOutcome::Cancelled;
  const std::string listing =
      AskOutputFileName(state, ui, "ERRORES GROSEROS", kDefaultBlunderListing);
  if (listing.empty()) return CommandOutcome::Cancelled;
  ui.SetBusy(true);
  BlunderReport found;
  bool completed = false, started = false;
  try {
    completed = Search(state, ui, asked.Options.BaardaShift, listing, found, started);
  } catch (const RunTimeError& error) {
    ReportRunTimeError(state, ui, error);
    if (started) EndInterruptedListing(listing, state.MessageText);
  }
  state.Abandon = false;
  ui.SetBusy(false);
  if (!completed) return CommandOutcome::Abandoned;
  OfferBlunderListing(listing, ui);
  if (report) *report = std::move(found);
  return CommandOutcome::Completed;
}

}  // namespace ombrel
