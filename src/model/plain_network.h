// The network of a project as plain values: its points and observations,
// without the arrays, counters and flags of the state. The tools that read a
// network without adjusting it (the network check, the exchange file) and
// the results they write work on this.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"

namespace ombrel {

enum class ObservationKind { Angle, Distance };

struct PlainPoint {
  int number = 0;      // the vertex number the user gave
  double x = 0.0;      // approximate easting, metres
  double y = 0.0;      // approximate northing, metres
  bool fixed = false;  // "fijo"; otherwise "vble"
  bool operator==(const PlainPoint&) const = default;
};

// Points are named by vertex number. An angle is measured clockwise at the
// station from the back-sight to the fore-sight; a distance runs from the
// station to the fore-sight (back is 0).
struct PlainObservation {
  int number = 0;  // the equation number the user gave
  ObservationKind kind = ObservationKind::Angle;
  int back = 0, station = 0, fore = 0;
  double value = 0.0;   // gon for an angle, metres for a distance
  double weight = 1.0;  // 1/sigma², sigma in 1e-4 gon (angle) or metres (distance)
  bool operator==(const PlainObservation&) const = default;
};

struct PlainNetwork {
  std::vector<PlainPoint> points;  // in file order
  std::vector<PlainObservation> observations;
  bool operator==(const PlainNetwork&) const = default;
};

// The points and observations of the state's project, in its order.
// Meaningless for a network given as matrices (MatrixInput).
PlainNetwork PlainNetworkOf(const NetworkState& state);

// The point numbers of an observation in the order back, station, fore,
// without the unused back of a distance.
std::vector<int> PointsOf(const PlainObservation& observation);

// "ángulo" or "distancia".
std::string KindName(ObservationKind kind);

}  // namespace ombrel
