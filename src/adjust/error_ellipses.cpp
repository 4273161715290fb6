#include "adjust/error_ellipses.h"

#include <cmath>
#include <string>

#include "listing/ellipse_columns.h"
#include "listing/listing_layout.h"
#include "listing/listing_writer.h"
#include "listing/number_format.h"
#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Direction in gon, counted from +X, of the axis whose direction vector is
// (2c, numerator), folded into [-100, 100). atan2 gives the same angle as
// arctan(numerator / 2c) without the spurious overflow of the quotient when
// c is tiny against a - b.
double AxisAngleFromX(double numerator, double twoC) {
  double theta = std::atan2(numerator, twoC);
  if (theta >= kPi / 2) {
    theta -= kPi;
  } else if (theta < -kPi / 2) {
    theta += kPi;
  }
  return theta * kGonPerHalfCircle / kPi;
}

// The items whose ellipses are computed and their printed numbers.
struct EllipseItems {
  int count = 0;
  IntVector labels;
};

EllipseItems ItemsOf(const NetworkState& state) {
  EllipseItems items;
  if (state.Ellipses.ForDesignVertices) {
    items.count = state.Ellipses.DesignVertexCount;
    items.labels.Redim(items.count);
    for (int k = 1; k <= items.count; ++k) items.labels(k) = state.Ellipses.DesignVertices(k);
    return items;
  }
  items.count = state.Network.NumPoints - state.Network.NumFixed;
  items.labels.Redim(items.count);
  for (int j = 1; j <= state.Network.NumPoints; ++j) {
    const int k = state.Network.VariableIndex(j);
    if (k != 0) items.labels(k) = state.Network.PointNumber(j);
  }
  return items;
}

Ellipse VertexEllipse(const NetworkState& state, int k) {
  const Matrix& q = state.Solution.Qxx;
  const double s0 = state.Solution.Sigma0Sq;
  const int x = 2 * k - 1;
  const int y = 2 * k;
  return EllipseFromCovariance(Mul(s0, q(x, x)), Mul(s0, q(y, y)), Mul(s0, q(y, x)),
                               kVertexMinorThreshold);
}

// Ellipse of the coordinate differences of item l minus item k.
Ellipse RelativeEllipse(const NetworkState& state, int k, int l) {
  const Matrix& q = state.Solution.Qxx;
  const double s0 = state.Solution.Sigma0Sq;
  const int xk = 2 * k - 1, yk = 2 * k, xl = 2 * l - 1, yl = 2 * l;
  const double a = Sub(Add(q(xk, xk), q(xl, xl)), Mul(2.0, q(xk, xl)));
  const double b = Sub(Add(q(yk, yk), q(yl, yl)), Mul(2.0, q(yk, yl)));
  const double c = Add(Sub(Sub(q(yk, xk), q(xk, yl)), q(yk, xl)), q(yl, xl));
  return EllipseFromCovariance(Mul(s0, a), Mul(s0, b), Mul(s0, c), kRelativeMinorThreshold);
}

void Store(ErrorEllipseSet& set, int k, int l, const Ellipse& e) {
  set.SemiMajor(k, l) = e.semiMajor;
  set.SemiMinor(k, l) = e.semiMinor;
  set.Azimuth(k, l) = Div(Mul(e.azimuthMajor, kPi), kGonPerHalfCircle);
}

// The four numbers of a table row, after the labels, appended to line.
void AppendAxes(std::string& line, const Ellipse& e) {
  AppendEllipseColumns(line, e.semiMajor, e.azimuthMajor, e.semiMinor, e.azimuthMinor);
}

void WriteVertexTable(ListingWriter& out, const NetworkState& state, const EllipseItems& items,
                      ErrorEllipseSet& set) {
  WriteHeading(out, "    ELIPSES DE VERTICE ");
  out.Line("    Vertice   Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ");
  out.BlankLine();
  std::string line;
  for (int k = 1; k <= items.count; ++k) {
    const Ellipse e = VertexEllipse(state, k);
    Store(set, k, k, e);
    line = "      " + RightAlignedNumberLabel(items.labels(k)) + "     ";
    AppendAxes(line, e);
    out.Line(line);
  }
}

void WriteRelativeTable(ListingWriter& out, const NetworkState& state, const EllipseItems& items,
                        ErrorEllipseSet& set) {
  WriteHeading(out, "    ELIPSES RELATIVAS ");
  out.Line("    Vertices  Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ");
  out.BlankLine();
  std::string line;
  for (int k = 1; k <= items.count; ++k) {
    for (int l = k + 1; l <= items.count; ++l) {
      const Ellipse e = RelativeEllipse(state, k, l);
      Store(set, k, l, e);
      // The first label is printed only on the first pair of each k.
      line = l == k + 1 ? "   " + RightAlignedNumberLabel(items.labels(k)) + " " : "       ";
      line += RightAlignedNumberLabel(items.labels(l));
      line += "    ";
      AppendAxes(line, e);
      out.Line(line);
    }
  }
}

}  // namespace

Ellipse EllipseFromCovariance(double a, double b, double c, double threshold) {
  const double difference = Sub(a, b);
  const double d = Sqrt(Add(Mul(difference, difference), Mul(4.0, Mul(c, c))));
  const double sum = Add(a, b);
  Ellipse e;
  e.semiMajor = Sqrt(Div(Add(sum, d), 2.0));
  const double minorTwice = Sub(sum, d);
  e.semiMinor = minorTwice < threshold ? 0.0 : Sqrt(Div(minorTwice, 2.0));
  if (c == 0.0) {
    // Uncorrelated: the axes are the coordinate axes, X at 100 and Y at 200.
    e.azimuthMajor = a >= b ? kGonPerQuarterCircle : kGonPerHalfCircle;
    e.azimuthMinor = a >= b ? kGonPerHalfCircle : kGonPerQuarterCircle;
    return e;
  }
  const double twoC = Mul(2.0, c);
  e.azimuthMajor = kGonPerQuarterCircle - AxisAngleFromX(Add(Sub(b, a), d), twoC);
  e.azimuthMinor = kGonPerQuarterCircle - AxisAngleFromX(Sub(Sub(b, a), d), twoC);
  return e;
}

ErrorEllipseSet WriteErrorEllipses(const NetworkState& state) {
  const EllipseItems items = ItemsOf(state);
  ErrorEllipseSet set = state.Ellipses;
  set.Done = false;
  set.SemiMajor.Redim(items.count, items.count);
  set.SemiMinor.Redim(items.count, items.count);
  set.Azimuth.Redim(items.count, items.count);
  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Append);
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    *********************    ELIPSES DE ERROR    *********************");
  WriteVertexTable(out, state, items, set);
  WriteRelativeTable(out, state, items, set);
  out.BlankLine();
  out.Close();
  return set;
}

}  // namespace ombrel
