#include "model/plain_network.h"

namespace ombrel {

PlainNetwork PlainNetworkOf(const NetworkState& s) {
  PlainNetwork network;
  for (int k = 1; k <= s.Network.NumPoints; ++k)
    network.points.push_back({s.Network.PointNumber(k), s.Network.PointX(k), s.Network.PointY(k),
                              s.Network.VariableIndex(k) == 0});
  for (int i = 1; i <= s.Network.NumObs; ++i) {
    PlainObservation o;
    o.number = s.Network.ObservationNumber(i);
    o.kind = s.Network.ObsPoints(1, i) == kDistanceMarker ? ObservationKind::Distance
                                                          : ObservationKind::Angle;
    o.back = o.kind == ObservationKind::Angle ? s.Network.ObsPoints(1, i) : 0;
    o.station = s.Network.ObsPoints(2, i);
    o.fore = s.Network.ObsPoints(3, i);
    o.value = s.Network.ObsValue(i);
    o.weight = s.Network.ObsWeights(2, i);
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
