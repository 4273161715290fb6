#include "model/form_equations.h"

#include <cmath>
#include <optional>

#include "model/angle_units.h"
#include "model/coefficient_errors.h"
#include "model/equation_checks.h"
#include "model/geometry.h"
#include "model/import_equations.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Index of the last point that carries a vertex number; 0 when none does.
int PointIndexOf(const SurveyNetwork& net, int vertex) {
  int found = 0;
  for (int k = 1; k <= net.NumPoints; ++k)
    if (net.PointNumber(k) == vertex) found = k;
  return found;
}

bool IsDistance(const SurveyNetwork& net, int i) {
  return net.ObsPoints(1, i) == kDistanceMarker;
}

// Resolves the vertex numbers of observation i. A number that no point
// carries would leave the row built on some other point, so it stops the
// formation with a message naming the equation and the vertex.
Result<ObservationPoints> ResolvePoints(const SurveyNetwork& net, int i) {
  ObservationPoints p;
  int* roles[3] = {&p.back, &p.station, &p.fore};
  for (int e = IsDistance(net, i) ? 2 : 1; e <= 3; ++e) {
    const int vertex = net.ObsPoints(e, i);
    *roles[e - 1] = PointIndexOf(net, vertex);
    if (*roles[e - 1] == 0)
      return Failure{
          "¡ Existe un problema con los vértices de las observaciones !\r\n\r\nLa ecuación " +
              std::to_string(net.ObservationNumber(i)) + " cita el vértice " +
              std::to_string(vertex) + ", que no figura en el proyecto.",
          Icon::Information, true};
  }
  return p;
}

// Adds the partial derivatives of one point to row i (a point that plays two
// roles in an observation receives the sum of both).
void AddCoefficients(const SurveyNetwork& net, EquationSystem& e, int i, int point, double ax,
                     double ay) {
  const int j = net.VariableIndex(point);
  if (j == 0) return;
  e.A(i, 2 * j - 1) = Add(e.A(i, 2 * j - 1), ax);
  e.A(i, 2 * j) = Add(e.A(i, 2 * j), ay);
}

void FormAngle(const SurveyNetwork& net, EquationSystem& e, int i, const ObservationPoints& p) {
  const double rho = Div(kAngleUnitsPerHalfCircle, kPi);
  double alpha = Sub(Azimuth(net, p.station, p.fore), Azimuth(net, p.station, p.back));
  if (alpha < 0.0) alpha += kGonPerCircle;
  const double d1 = Distance(net, p.back, p.station);
  const double d2 = Distance(net, p.station, p.fore);
  const double d1sq = Mul(d1, d1);
  const double d2sq = Mul(d2, d2);
  const double dxBack = net.PointX(p.station) - net.PointX(p.back);
  const double dyBack = net.PointY(p.station) - net.PointY(p.back);
  const double dxFore = net.PointX(p.fore) - net.PointX(p.station);
  const double dyFore = net.PointY(p.fore) - net.PointY(p.station);
  AddCoefficients(net, e, i, p.back, Mul(Div(dyBack, d1sq), rho), Mul(-Div(dxBack, d1sq), rho));
  AddCoefficients(net, e, i, p.station, Mul(-Add(Div(dyFore, d2sq), Div(dyBack, d1sq)), rho),
                  Mul(Add(Div(dxFore, d2sq), Div(dxBack, d1sq)), rho));
  AddCoefficients(net, e, i, p.fore, Mul(Div(dyFore, d2sq), rho), Mul(-Div(dxFore, d2sq), rho));
  e.K(i) = Mul(Sub(net.ObsValue(i), alpha), kAngleUnitsPerGon);
}

void FormDistance(const SurveyNetwork& net, EquationSystem& e, int i, const ObservationPoints& p) {
  const double az = Azimuth(net, p.station, p.fore);
  const double d = Distance(net, p.station, p.fore);
  const double theta = Div(Mul(az, kPi), kGonPerHalfCircle);
  const double sinTheta = std::sin(theta);
  const double cosTheta = std::cos(theta);
  AddCoefficients(net, e, i, p.station, -sinTheta, -cosTheta);
  AddCoefficients(net, e, i, p.fore, sinTheta, cosTheta);
  if (e.ScaleUnknown == 1) e.A(i, 2 * (net.NumPoints - net.NumFixed) + 1) = -d;
  e.K(i) = Sub(net.ObsValue(i), d);
}

}  // namespace

Result<EquationSystem> FormProjectEquations(const SurveyNetwork& net, EquationSystem e,
                                            const RunOptions& options) {
  // Every observation is checked before any row is formed, so a row is never
  // built on a point that is missing or has no direction to its partner.
  std::vector<ObservationPoints> resolved;
  for (int i = 1; i <= net.NumObs; ++i) {
    const Result<ObservationPoints> p = ResolvePoints(net, i);
    if (!p) return p.error();
    if (auto refusal = CheckObservationPoints(net, i, *p)) return *refusal;
    resolved.push_back(*p);
  }
  for (int i = 1; i <= net.NumObs; ++i) {
    if (IsDistance(net, i))
      FormDistance(net, e, i, resolved[i - 1]);
    else
      FormAngle(net, e, i, resolved[i - 1]);
  }
  const int unknowns = 2 * (net.NumPoints - net.NumFixed) + e.ScaleUnknown;
  if (options.StudyApprox) {
    for (int i = 1; i <= net.NumObs; ++i) {
      if (IsZeroRow(e.A, i, unknowns)) continue;  // refused below with its own message
      if (IsDistance(net, i))
        DistanceCoefficientErrors(net, options.ApproxPrecision, i, resolved[i - 1], e);
      else
        AngleCoefficientErrors(net, options.ApproxPrecision, i, resolved[i - 1], e);
    }
  }
  e.NumUnknowns = unknowns;
  if (auto refusal = CheckZeroRows(e.A, net.NumObs, e.NumUnknowns)) return *refusal;
  for (int c = 1; c <= e.NumCondEq; ++c)
    for (int u = 1; u <= e.NumUnknowns; ++u) e.A(net.NumObs + c, u) = e.CondMatrix(c, u);
  for (int i = 1; i <= net.NumObs + e.NumCondEq; ++i) e.P(i, i) = net.ObsWeights(2, i);
  if (auto refusal = CheckWeights(e.P, net.NumObs)) return *refusal;
  return e;
}

void DimensionProjectSystem(NetworkState& s) {
  const int rows = s.Network.NumObs + s.Equations.NumCondEq;
  const int cols = s.ProjectUnknowns();
  s.Equations.A.Redim(rows, cols);
  s.Equations.K.Redim(rows);
  s.Equations.P.Redim(rows, rows);
  s.Equations.CoefficientErrors.Redim(rows, cols);
}

void FormEquations(NetworkState& state, Interaction& ui) {
  if (state.Import.MatrixInput) return FormImportedEquations(state, ui);
  Result<EquationSystem> formed =
      FormProjectEquations(state.Network, state.Equations, state.Options);
  if (formed) {
    state.Equations = std::move(*formed);
    return;
  }
  ShowFailure(ui, formed.error());
  state.Abandon = true;
}

}  // namespace ombrel
