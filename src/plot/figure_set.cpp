#include "plot/figure_set.h"

#include <algorithm>
#include <cmath>

#include "adjust/plane_figures.h"
#include "model/angle_units.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

bool DesignItems(const NetworkState& s) {
  return s.Ellipses.ForDesignVertices;
}

GroundPoint Midpoint(const NetworkState& s, int p, int q) {
  return {Add(s.Network.PointX(p), s.Network.PointX(q)) / 2.0,
          Add(s.Network.PointY(p), s.Network.PointY(q)) / 2.0};
}

// Centre of a figure of unknowns i and j; false when either has no point.
bool UnknownsCentre(const NetworkState& s, int i, int j, GroundPoint& centre) {
  const int p = UnknownPoint(s, i);
  const int q = UnknownPoint(s, j);
  if (p == 0 || q == 0) return false;
  centre = Midpoint(s, p, q);
  return true;
}

bool ValidUnknownPair(const NetworkState& s, int i, int j) {
  return i >= 1 && i < j && j <= s.Figures.Unknowns;
}

void AddAbsolute(const NetworkState& s, std::vector<PlacedEllipse>& out) {
  for (int k = 1; k <= EllipseItemCount(s); ++k) {
    const int p = EllipseItemPoint(s, k);
    if (p == 0) continue;
    out.push_back({FigureKind::Absolute, s.Network.PointX(p), s.Network.PointY(p),
                   s.Ellipses.SemiMajor(k, k), s.Ellipses.SemiMinor(k, k),
                   s.Ellipses.Azimuth(k, k)});
  }
}

void AddRelative(const NetworkState& s, int a, int b, std::vector<PlacedEllipse>& out) {
  int k = EllipseItemOfNumber(s, a);
  int l = EllipseItemOfNumber(s, b);
  if (k == 0 || l == 0 || k == l) return;
  if (k > l) std::swap(k, l);
  const GroundPoint c = Midpoint(s, EllipseItemPoint(s, k), EllipseItemPoint(s, l));
  out.push_back({FigureKind::Relative, c.x, c.y, s.Ellipses.SemiMajor(k, l),
                 s.Ellipses.SemiMinor(k, l), s.Ellipses.Azimuth(k, l)});
}

void AddRosette(const NetworkState& s, int i, int j, std::vector<PlacedEllipse>& out) {
  GroundPoint c;
  if (!ValidUnknownPair(s, i, j) || !UnknownsCentre(s, i, j, c)) return;
  const int row = FigurePairIndex(i, j, s.Figures.Unknowns);
  for (int q = 1; q <= s.Figures.Unknowns; ++q) {
    if (q == i || q == j) continue;
    out.push_back({FigureKind::Rosette, c.x, c.y, s.Figures.RosetteSemiMajor(row, q),
                   s.Figures.RosetteSemiMinor(row, q), s.Figures.RosetteAzimuth(row, q)});
  }
}

void AddSection(const NetworkState& s, int i, int j, std::vector<PlacedEllipse>& out) {
  GroundPoint c;
  if (!ValidUnknownPair(s, i, j) || !UnknownsCentre(s, i, j, c)) return;
  out.push_back({FigureKind::Section, c.x, c.y, s.Figures.SectionSemiMajor(i, j),
                 s.Figures.SectionSemiMinor(i, j), s.Figures.SectionAzimuth(i, j)});
}

void AddProjections(const NetworkState& s, int i, int j, std::vector<PlacedEllipse>& out) {
  GroundPoint c;
  if (!ValidUnknownPair(s, i, j) || !UnknownsCentre(s, i, j, c)) return;
  for (int t = 1; t <= s.Figures.AxisProjCount; ++t) {
    const PlaneFigure f = AxisProjectionFigure(s.Figures, i, j, t);
    out.push_back({FigureKind::AxisProjection, c.x, c.y, f.semiMajor, f.semiMinor,
                   f.azimuthMajor * kPi / kGonPerHalfCircle});
  }
}

}  // namespace

int EllipseItemCount(const NetworkState& s) {
  return DesignItems(s) ? s.Ellipses.DesignVertexCount : s.Network.NumPoints - s.Network.NumFixed;
}

int EllipseItemPoint(const NetworkState& s, int k) {
  if (DesignItems(s)) return PointIndexOfNumber(s, s.Ellipses.DesignVertices(k));
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.VariableIndex(p) == k) return p;
  return 0;
}

int EllipseItemOfNumber(const NetworkState& s, int vertex) {
  for (int k = 1; k <= EllipseItemCount(s); ++k) {
    const int p = EllipseItemPoint(s, k);
    if (p != 0 && s.Network.PointNumber(p) == vertex) return k;
  }
  return 0;
}

int UnknownPoint(const NetworkState& s, int i) {
  if (i < 1) return 0;
  const int variable = (i + 1) / 2;
  for (int p = 1; p <= s.Network.NumPoints; ++p)
    if (s.Network.VariableIndex(p) == variable) return p;
  return 0;
}

std::vector<PlacedEllipse> PlaceFigures(const NetworkState& s, const FigureSelection& sel) {
  std::vector<PlacedEllipse> out;
  if (sel.absolute) AddAbsolute(s, out);
  for (const auto& [a, b] : sel.relative) AddRelative(s, a, b, out);
  for (const auto& [i, j] : sel.rosettes) AddRosette(s, i, j, out);
  for (const auto& [i, j] : sel.sections) AddSection(s, i, j, out);
  for (const auto& [i, j] : sel.projections) AddProjections(s, i, j, out);
  return out;
}

std::vector<GroundPoint> AuxiliaryPoints(const NetworkState& s, const FigureSelection& sel) {
  std::vector<std::pair<int, int>> pairs;
  for (const auto* list : {&sel.rosettes, &sel.sections, &sel.projections})
    for (const auto& [i, j] : *list) {
      const int p = UnknownPoint(s, i), q = UnknownPoint(s, j);
      const std::pair<int, int> key{std::min(p, q), std::max(p, q)};
      if (p != 0 && q != 0 && p != q && std::find(pairs.begin(), pairs.end(), key) == pairs.end())
        pairs.push_back(key);
    }
  std::vector<GroundPoint> out;
  for (const auto& [p, q] : pairs) out.push_back(Midpoint(s, p, q));
  return out;
}

double Magnification(const NetworkState& s, double unit, double s0, double factor) {
  const int n = EllipseItemCount(s);
  double sum = 0.0;
  for (int k = 1; k <= n; ++k) sum = Add(sum, s.Ellipses.SemiMajor(k, k));
  if (n == 0 || sum == 0.0) return 0.0;
  return Div(Mul(Mul(4.0 * unit, s0), factor), sum / n);
}

}  // namespace ombrel
