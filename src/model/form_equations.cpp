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
int PointIndexOf(const NetworkState& s, int vertex) {
  int found = 0;
  for (int k = 1; k <= s.Network.NumPoints; ++k)
    if (s.Network.PointNumber(k) == vertex) found = k;
  return found;
}

bool IsDistance(const NetworkState& s, int i) {
  return s.Network.ObsPoints(1, i) == kDistanceMarker;
}

// Resolves the vertex numbers of observation i. A number that no point
// carries would leave the row built on some other point, so it stops the
// formation with a message naming the equation and the vertex.
Result<ObservationPoints> ResolvePoints(const NetworkState& s, int i) {
  ObservationPoints p;
  int* roles[3] = {&p.back, &p.station, &p.fore};
  for (int e = IsDistance(s, i) ? 2 : 1; e <= 3; ++e) {
    const int vertex = s.Network.ObsPoints(e, i);
    *roles[e - 1] = PointIndexOf(s, vertex);
    if (*roles[e - 1] == 0)
      return Failure{
          "¡ Existe un problema con los vértices de las observaciones !\r\n\r\nLa ecuación " +
              std::to_string(s.Network.ObservationNumber(i)) + " cita el vértice " +
              std::to_string(vertex) + ", que no figura en el proyecto.",
          Icon::Information, true};
  }
  return p;
}

// Adds the partial derivatives of one point to row i (a point that plays two
// roles in an observation receives the sum of both).
void AddCoefficients(NetworkState& s, int i, int point, double ax, double ay) {
  const int j = s.Network.VariableIndex(point);
  if (j == 0) return;
  s.Equations.A(i, 2 * j - 1) = Add(s.Equations.A(i, 2 * j - 1), ax);
  s.Equations.A(i, 2 * j) = Add(s.Equations.A(i, 2 * j), ay);
}

void FormAngle(NetworkState& s, int i, const ObservationPoints& p) {
  const double rho = Div(kAngleUnitsPerHalfCircle, kPi);
  double alpha = Sub(Azimuth(s.Network, p.station, p.fore), Azimuth(s.Network, p.station, p.back));
  if (alpha < 0.0) alpha += kGonPerCircle;
  const double d1 = Distance(s.Network, p.back, p.station);
  const double d2 = Distance(s.Network, p.station, p.fore);
  const double d1sq = Mul(d1, d1);
  const double d2sq = Mul(d2, d2);
  const double dxBack = s.Network.PointX(p.station) - s.Network.PointX(p.back);
  const double dyBack = s.Network.PointY(p.station) - s.Network.PointY(p.back);
  const double dxFore = s.Network.PointX(p.fore) - s.Network.PointX(p.station);
  const double dyFore = s.Network.PointY(p.fore) - s.Network.PointY(p.station);
  AddCoefficients(s, i, p.back, Mul(Div(dyBack, d1sq), rho), Mul(-Div(dxBack, d1sq), rho));
  AddCoefficients(s, i, p.station, Mul(-Add(Div(dyFore, d2sq), Div(dyBack, d1sq)), rho),
                  Mul(Add(Div(dxFore, d2sq), Div(dxBack, d1sq)), rho));
  AddCoefficients(s, i, p.fore, Mul(Div(dyFore, d2sq), rho), Mul(-Div(dxFore, d2sq), rho));
  s.Equations.K(i) = Mul(Sub(s.Network.ObsValue(i), alpha), kAngleUnitsPerGon);
}

void FormDistance(NetworkState& s, int i, const ObservationPoints& p) {
  const double az = Azimuth(s.Network, p.station, p.fore);
  const double d = Distance(s.Network, p.station, p.fore);
  const double theta = Div(Mul(az, kPi), kGonPerHalfCircle);
  const double sinTheta = std::sin(theta);
  const double cosTheta = std::cos(theta);
  AddCoefficients(s, i, p.station, -sinTheta, -cosTheta);
  AddCoefficients(s, i, p.fore, sinTheta, cosTheta);
  if (s.Equations.ScaleUnknown == 1)
    s.Equations.A(i, 2 * (s.Network.NumPoints - s.Network.NumFixed) + 1) = -d;
  s.Equations.K(i) = Sub(s.Network.ObsValue(i), d);
}

bool RowIsZero(const NetworkState& s, int i, int cols) {
  for (int c = 1; c <= cols; ++c)
    if (s.Equations.A(i, c) != 0.0) return false;
  return true;
}

}  // namespace

std::optional<Failure> FormProjectEquations(NetworkState& s) {
  // Every observation is checked before any row is formed, so a row is never
  // built on a point that is missing or has no direction to its partner.
  std::vector<ObservationPoints> resolved;
  for (int i = 1; i <= s.Network.NumObs; ++i) {
    const Result<ObservationPoints> p = ResolvePoints(s, i);
    if (!p) return p.error();
    if (auto refusal = CheckObservationPoints(s.Network, i, *p)) return refusal;
    resolved.push_back(*p);
  }
  for (int i = 1; i <= s.Network.NumObs; ++i) {
    if (IsDistance(s, i))
      FormDistance(s, i, resolved[i - 1]);
    else
      FormAngle(s, i, resolved[i - 1]);
  }
  const int unknowns = s.ProjectUnknowns();
  if (s.Options.StudyApprox) {
    for (int i = 1; i <= s.Network.NumObs; ++i) {
      if (RowIsZero(s, i, unknowns)) continue;  // refused below with its own message
      if (IsDistance(s, i))
        DistanceCoefficientErrors(s, i, resolved[i - 1]);
      else
        AngleCoefficientErrors(s, i, resolved[i - 1]);
    }
  }
  s.Equations.NumUnknowns = unknowns;
  if (auto refusal = CheckZeroRows(s.Equations.A, s.Network.NumObs, s.Equations.NumUnknowns))
    return refusal;
  for (int c = 1; c <= s.Equations.NumCondEq; ++c)
    for (int u = 1; u <= s.Equations.NumUnknowns; ++u)
      s.Equations.A(s.Network.NumObs + c, u) = s.Equations.CondMatrix(c, u);
  for (int i = 1; i <= s.Network.NumObs + s.Equations.NumCondEq; ++i)
    s.Equations.P(i, i) = s.Network.ObsWeights(2, i);
  return CheckWeights(s.Equations.P, s.Network.NumObs);
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
  if (const std::optional<Failure> refusal = FormProjectEquations(state)) {
    ShowFailure(ui, *refusal);
    state.Abandon = true;
  }
}

}  // namespace ombrel
