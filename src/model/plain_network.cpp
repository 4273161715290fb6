#include "model/plain_network.h"

namespace ombrel {

PlainNetwork PlainNetworkOf(const NetworkState& s) {
  PlainNetwork network;
  for (int k = 1; k <= s.NumPoints; ++k)
    network.points.push_back({s.PointNumber(k), s.PointX(k), s.PointY(k), s.VariableIndex(k) == 0});
  for (int i = 1; i <= s.NumObs; ++i) {
    PlainObservation o;
    o.number = s.ObservationNumber(i);
    o.kind =
        s.ObsPoints(1, i) == kDistanceMarker ? ObservationKind::Distance : ObservationKind::Angle;
    o.back = o.kind == ObservationKind::Angle ? s.ObsPoints(1, i) : 0;
    o.station = s.ObsPoints(2, i);
    o.fore = s.ObsPoints(3, i);
    o.value = s.ObsValue(i);
    o.weight = s.ObsWeights(2, i);
    network.observations.push_back(o);
  }
  return network;
}

std::vector<int> PointsOf(const PlainObservation& o) {
  if (o.kind == ObservationKind::Distance) return {o.station, o.fore};
  return {o.back, o.station, o.fore};
}

std::string KindName(ObservationKind kind) {
  return kind == ObservationKind::Angle ? "ángulo" : "distancia";
}

}  // namespace ombrel
