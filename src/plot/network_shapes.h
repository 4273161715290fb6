// The lines of the network drawing in ground units: the fixed-point
// triangles, the connections of the angle observations and the distance
// lines with their cross marks. The plot maps them to the picture; the DXF
// export writes them as they are.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

struct Segment {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

struct GroundPoint {
  double x = 0.0, y = 0.0;
};

struct NetworkShapes {
  // In drawing order: three per fixed point, one per connected pair of
  // angle observations, then three per distance (line and two strokes).
  std::vector<Segment> segments;
  std::vector<GroundPoint> apexes;  // the top vertex of every fixed-point triangle
};

// unit (metres, > 0) is the half-side of the triangles and sets the
// half-length 0.7631 unit of the cross strokes. Observations naming a
// vertex number that no point carries are left out. A network entered as
// matrices has no shapes.
NetworkShapes BuildNetworkShapes(const NetworkState& state, double unit);

// Index (1..NumPoints) of the last point carrying the vertex number; 0 if none.
int PointIndexOfNumber(const NetworkState& state, int vertex);

// The number text of a point: its decimal text with a leading blank in the
// sign position (" 7", "-3").
std::string PointNumberText(int number);

}  // namespace ombrel
