#include "adjust/error_ellipses.h"

#include <cmath>
#include <string>

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
  if (state.ZeroDesignEllipses) {
    items.count = state.DesignVertexCount;
    items.labels.Redim(items.count);
    for (int k = 1; k <= items.count; ++k) items.labels(k) = state.DesignVertices(k);
    return items;
  }
  items.count = state.NumPoints - state.NumFixed;
  items.labels.Redim(items.count);
  for (int j = 1; j <= state.NumPoints; ++j) {
    const int k = state.VariableIndex(j);
    if (k != 0) items.labels(k) = state.PointNumber(j);
  }
  return items;
}

Ellipse VertexEllipse(const NetworkState& state, int k) {
  const Matrix& q = state.Qxx;
  const double s0 = state.Sigma0Sq;
  const int x = 2 * k - 1;
  const int y = 2 * k;
  return EllipseFromCovariance(Mul(s0, q(x, x)), Mul(s0, q(y, y)), Mul(s0, q(y, x)),
                               kVertexMinorThreshold);
}

// Ellipse of the coordinate differences of item l minus item k.
Ellipse RelativeEllipse(const NetworkState& state, int k, int l) {
  const Matrix& q = state.Qxx;
  const double s0 = state.Sigma0Sq;
  const int xk = 2 * k - 1, yk = 2 * k, xl = 2 * l - 1, yl = 2 * l;
  const double a = Sub(Add(q(xk, xk), q(xl, xl)), Mul(2.0, q(xk, xl)));
  const double b = Sub(Add(q(yk, yk), q(yl, yl)), Mul(2.0, q(yk, yl)));
  const double c = Add(Sub(Sub(q(yk, xk), q(xk, yl)), q(yk, xl)), q(yl, xl));
  return EllipseFromCovariance(Mul(s0, a), Mul(s0, b), Mul(s0, c), kRelativeMinorThreshold);
}

void Store(NetworkState& state, int k, int l, const Ellipse& e) {
  state.EllipseSemiMajor(k, l) = e.semiMajor;
  state.EllipseSemiMinor(k, l) = e.semiMinor;
  state.EllipseAzimuth(k, l) = Div(Mul(e.azimuthMajor, kPi), kGonPerHalfCircle);
}

// The four numbers of a table row, after the labels, appended to line.
void AppendAxes(std::string& line, const Ellipse& e) {
  AppendNumber(line, e.semiMajor, 3, 4);
  line += " mts  ";
  AppendNumber(line, e.azimuthMajor, 5, 4);
  line += " gra     ";
  AppendNumber(line, e.semiMinor, 3, 4);
  line += " mts  ";
  AppendNumber(line, e.azimuthMinor, 5, 4);
  line += " gra ";
}

void WriteVertexTable(ListingWriter& out, NetworkState& state, const EllipseItems& items) {
  WriteHeading(out, "    ELIPSES DE VERTICE ");
  out.Line("    Vertice   Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ");
  out.BlankLine();
  std::string line;
  for (int k = 1; k <= items.count; ++k) {
    const Ellipse e = VertexEllipse(state, k);
    Store(state, k, k, e);
    line = "      " + RightAlignedNumberLabel(items.labels(k)) + "     ";
    AppendAxes(line, e);
    out.Line(line);
  }
}

void WriteRelativeTable(ListingWriter& out, NetworkState& state, const EllipseItems& items) {
  WriteHeading(out, "    ELIPSES RELATIVAS ");
  out.Line("    Vertices  Semieje mayor  Acimut semieje    Semieje menor  Acimut semieje ");
  out.BlankLine();
  std::string line;
  for (int k = 1; k <= items.count; ++k) {
    for (int l = k + 1; l <= items.count; ++l) {
      const Ellipse e = RelativeEllipse(state, k, l);
      Store(state, k, l, e);
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

void WriteErrorEllipses(NetworkState& state) {
  const EllipseItems items = ItemsOf(state);
  ListingWriter out(state.ListingFileName, ListingWriter::Mode::Append);
  for (int i = 0; i < 4; ++i) out.BlankLine();
  WriteBanner(out, "    *********************    ELIPSES DE ERROR    *********************");
  WriteVertexTable(out, state, items);
  WriteRelativeTable(out, state, items);
  out.BlankLine();
  out.Close();
}

}  // namespace ombrel
