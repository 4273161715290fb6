#include "plot/network_shapes.h"

#include <cmath>

#include "model/angle_units.h"
#include "model/geometry.h"
#include "numeric/checked.h"

namespace ombrel {
namespace {

// Angle between each cross stroke and the normal of the distance line.
constexpr double kStrokeTurn = 0.373;
constexpr double kStrokeHalfLength = 0.7631;

void AddTriangle(NetworkShapes& shapes, double x, double y, double unit) {
  const double down = Mul(unit, std::tan(kPi / 6.0));
  const double apexY = Add(Sub(y, down), Mul(unit, std::tan(kPi / 3.0)));
  const GroundPoint left{Sub(x, unit), Sub(y, down)};
  const GroundPoint right{Add(x, unit), Sub(y, down)};
  const GroundPoint apex{x, apexY};
  shapes.segments.push_back({left.x, left.y, right.x, right.y});
  shapes.segments.push_back({right.x, right.y, apex.x, apex.y});
  shapes.segments.push_back({apex.x, apex.y, left.x, left.y});
  shapes.apexes.push_back(apex);
}

Segment Stroke(double mx, double my, double theta, double halfLength) {
  const double dx = Mul(halfLength, std::cos(theta));
  const double dy = -Mul(halfLength, std::sin(theta));
  return {Sub(mx, dx), Sub(my, dy), Add(mx, dx), Add(my, dy)};
}

void AddDistance(NetworkShapes& shapes, const NetworkState& s, int i, int j, double unit) {
  const double x1 = s.Network.PointX(i), y1 = s.Network.PointY(i), x2 = s.Network.PointX(j),
               y2 = s.Network.PointY(j);
  shapes.segments.push_back({x1, y1, x2, y2});
  const double mx = Add(x1, x2) / 2.0;
  const double my = Add(y1, y2) / 2.0;
  const double theta = Azimuth(s.Network, i, j) * kPi / kGonPerHalfCircle;
  const double half = Mul(kStrokeHalfLength, unit);
  shapes.segments.push_back(Stroke(mx, my, theta + kStrokeTurn, half));
  shapes.segments.push_back(Stroke(mx, my, theta - kStrokeTurn, half));
}

// Each angle joins its station to both sighted points; a pair shared by
// several angles is drawn once.
void AddAngleConnections(NetworkShapes& shapes, const NetworkState& s) {
  const int n = s.Network.NumPoints;
  std::vector<int> count(static_cast<std::size_t>((n + 1) * (n + 1)), 0);
  auto pair = [&](int a, int b) -> int& {
    return count[static_cast<std::size_t>(a * (n + 1) + b)];
  };
  for (int o = 1; o <= s.Network.NumObs; ++o) {
    if (s.Network.ObsPoints(1, o) == kDistanceMarker) continue;
    const int station = PointIndexOfNumber(s, s.Network.ObsPoints(2, o));
    const int back = PointIndexOfNumber(s, s.Network.ObsPoints(1, o));
    const int fore = PointIndexOfNumber(s, s.Network.ObsPoints(3, o));
    if (station == 0 || back == 0 || fore == 0) continue;
    for (const int other : {back, fore}) {
      ++pair(station, other);
      ++pair(other, station);
    }
  }
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (pair(i, j) >= 1)
        shapes.segments.push_back(
            {s.Network.PointX(i), s.Network.PointY(i), s.Network.PointX(j), s.Network.PointY(j)});
}

}  // namespace

int PointIndexOfNumber(const NetworkState& state, int vertex) {
  int found = 0;
  for (int k = 1; k <= state.Network.NumPoints; ++k)
    if (state.Network.PointNumber(k) == vertex) found = k;
  return found;
}

std::string PointNumberText(int number) {
  return (number >= 0 ? " " : "") + std::to_string(number);
}

NetworkShapes BuildNetworkShapes(const NetworkState& state, double unit) {
  NetworkShapes shapes;
  // Matrices carry neither the fixed points nor the observations.
  if (state.Import.MatrixInput) return shapes;
  for (int k = 1; k <= state.Network.NumPoints; ++k)
    if (state.Network.VariableIndex(k) == 0)
      AddTriangle(shapes, state.Network.PointX(k), state.Network.PointY(k), unit);
  AddAngleConnections(shapes, state);
  for (int o = 1; o <= state.Network.NumObs; ++o) {
    if (state.Network.ObsPoints(1, o) != kDistanceMarker) continue;
    const int i = PointIndexOfNumber(state, state.Network.ObsPoints(2, o));
    const int j = PointIndexOfNumber(state, state.Network.ObsPoints(3, o));
    if (i != 0 && j != 0) AddDistance(shapes, state, i, j, unit);
  }
  return shapes;
}

}  // namespace ombrel
