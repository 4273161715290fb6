#include "model/coefficient_errors.h"

#include <cmath>
#include <map>

#include "model/approximate_digits.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Coordinate differences from point a to point b and their squared length.
struct Leg {
  double dx, dy, squared;
};

Leg MakeLeg(const SurveyNetwork& network, int a, int b) {
  const double dx = Sub(network.PointX(b), network.PointX(a));
  const double dy = Sub(network.PointY(b), network.PointY(a));
  return {dx, dy, Add(Mul(dx, dx), Mul(dy, dy))};
}

// Digit limit of a coordinate difference known to +-delta; an exactly zero
// difference carries no digits to lose.
double DifferenceLimit(double d, double delta) {
  return d == 0.0 ? 0.0 : DigitLimit(d, Div(delta, std::fabs(d)));
}

// Relative error of numerator / squared length of the leg: the sum of the
// digit limits of both. A zero numerator makes the quotient exactly zero.
double QuotientError(double numerator, const Leg& leg, double delta) {
  if (numerator == 0.0) return 0.0;
  const double squaredError =
      Div(Add(2.0 * std::fabs(leg.dx) * delta, 2.0 * std::fabs(leg.dy) * delta), leg.squared);
  return Add(DifferenceLimit(numerator, delta), DigitLimit(leg.squared, squaredError));
}

// Digit limit of a quotient with relative error r; 0 for a zero quotient.
double QuotientLimit(double numerator, const Leg& leg, double r) {
  return numerator == 0.0 ? 0.0 : DigitLimit(Div(numerator, leg.squared), r);
}

// Relative errors per column, added where one point plays two roles.
using ColumnErrors = std::map<int, double>;

void AddPoint(const SurveyNetwork& network, ColumnErrors& errors, int point, double rx, double ry) {
  const int j = network.VariableIndex(point);
  if (j == 0) return;
  errors[2 * j - 1] += rx;
  errors[2 * j] += ry;
}

void Store(EquationSystem& e, int i, const ColumnErrors& errors) {
  for (const auto& [c, r] : errors) {
    const double a = e.A(i, c);
    e.CoefficientErrors(i, c) = (a == 0.0 || r == 0.0) ? 0.0 : Mul(std::fabs(a), DigitLimit(a, r));
  }
}

}  // namespace

void AngleCoefficientErrors(const SurveyNetwork& network, double delta, int i,
                            const ObservationPoints& p, EquationSystem& e) {
  const Leg back = MakeLeg(network, p.back, p.station);  // X(s) - X(b), Y(s) - Y(b)
  const Leg fore = MakeLeg(network, p.station, p.fore);  // X(f) - X(s), Y(f) - Y(s)
  ColumnErrors errors;
  AddPoint(network, errors, p.back, QuotientError(back.dy, back, delta),
           QuotientError(back.dx, back, delta));
  const double stationX = Add(QuotientLimit(fore.dy, fore, QuotientError(fore.dy, fore, delta)),
                              QuotientLimit(back.dy, back, QuotientError(back.dy, back, delta)));
  const double stationY = Add(QuotientLimit(fore.dx, fore, QuotientError(fore.dx, fore, delta)),
                              QuotientLimit(back.dx, back, QuotientError(back.dx, back, delta)));
  AddPoint(network, errors, p.station, stationX, stationY);
  AddPoint(network, errors, p.fore, QuotientError(fore.dy, fore, delta),
           QuotientError(fore.dx, fore, delta));
  Store(e, i, errors);
}

void DistanceCoefficientErrors(const SurveyNetwork& network, double delta, int i,
                               const ObservationPoints& p, EquationSystem& e) {
  const Leg leg = MakeLeg(network, p.station, p.fore);
  const double d = Sqrt(leg.squared);
  const double distanceError =
      Div(Add(Div(std::fabs(leg.dx), d) * delta, Div(std::fabs(leg.dy), d) * delta), d);
  const double distanceLimit = DigitLimit(d, distanceError);
  const double rx = Add(DifferenceLimit(leg.dx, delta), distanceLimit);
  const double ry = Add(DifferenceLimit(leg.dy, delta), distanceLimit);
  ColumnErrors errors;
  AddPoint(network, errors, p.station, rx, ry);
  AddPoint(network, errors, p.fore, rx, ry);
  Store(e, i, errors);
}

}  // namespace ombrel
