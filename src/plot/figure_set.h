// Which error figures are shown, and where each one lies on the ground:
// the figures of points are centred on them, those of two points (relative
// ellipses, and figures of unknowns of two different points) on their
// midpoint.
#pragma once

#include <utility>
#include <vector>

#include "model/network_state.h"
#include "plot/network_shapes.h"

namespace ombrel {

enum class FigureKind { Absolute, Relative, Rosette, Section, AxisProjection };

// The figures on the picture. Relative pairs hold vertex numbers of items;
// the other pairs hold numbers of coordinate unknowns i < j (1..m').
struct FigureSelection {
  bool absolute = false;
  std::vector<std::pair<int, int>> relative, rosettes, sections, projections;

  bool Any() const {
    return absolute || !relative.empty() || !rosettes.empty() || !sections.empty() ||
           !projections.empty();
  }
};

struct PlacedEllipse {
  FigureKind kind = FigureKind::Absolute;
  double cx = 0.0, cy = 0.0;  // ground metres
  double semiMajor = 0.0;     // metres, >= semiMinor >= 0
  double semiMinor = 0.0;
  double azimuth = 0.0;  // radians from +Y towards +X
};

// Number of ellipse items: the variable points, or the order-zero design
// vertices when Ellipses.ForDesignVertices is set.
int EllipseItemCount(const NetworkState& state);
// Point index (1..NumPoints) of item k (1..EllipseItemCount); 0 if unknown.
int EllipseItemPoint(const NetworkState& state, int k);
// Item (1..EllipseItemCount) whose label is the vertex number; 0 if none.
int EllipseItemOfNumber(const NetworkState& state, int vertex);
// Point index of the variable point owning coordinate unknown i (1..m').
int UnknownPoint(const NetworkState& state, int i);

// Every ellipse of the selection in the order absolute, relative, rosettes,
// sections, projections of the semi-axes. Pairs that name no known item or
// unknown are left out.
std::vector<PlacedEllipse> PlaceFigures(const NetworkState& state, const FigureSelection& sel);

// The auxiliary points of the selection: the midpoints about which figures
// of unknowns of two different points are drawn, once each.
std::vector<GroundPoint> AuxiliaryPoints(const NetworkState& state, const FigureSelection& sel);

// M = 4 u s0 factor / (mean absolute semi-major axis): a figure length L
// (metres) is drawn L M / s0 picture units long. u, s0 > 0; factor in
// (0, 1000]. Zero when every absolute semi-major axis is zero.
double Magnification(const NetworkState& state, double unit, double s0, double factor);

}  // namespace ombrel
