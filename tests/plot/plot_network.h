// A small hand-made network for the plot and DXF tests: point 1 fixed at
// (1234.5, -12.25), points 2 and 3 variable; angles at 1 (from 2 to 3) and
// at 2 (from 1 to 3), distances 1-2 and 2-3; the absolute ellipses of 2 and
// 3 and their relative ellipse set by hand.
#pragma once

#include "model/network_state.h"

namespace ombrel::testing {

inline void AddPoint(NetworkState& s, int number, double x, double y, int variable) {
  const int k = ++s.Network.NumPoints;
  s.Network.PointX(k) = x;
  s.Network.PointY(k) = y;
  s.Network.PointNumber(k) = number;
  s.Network.VariableIndex(k) = variable;
  if (variable == 0) ++s.Network.NumFixed;
}

inline void AddObservation(NetworkState& s, int first, int second, int third) {
  const int o = ++s.Network.NumObs;
  s.Network.ObsPoints(1, o) = first;
  s.Network.ObsPoints(2, o) = second;
  s.Network.ObsPoints(3, o) = third;
}

inline NetworkState PlotNetwork() {
  NetworkState s;
  s.Network.PointX.Redim(3);
  s.Network.PointY.Redim(3);
  s.Network.PointNumber.Redim(3);
  s.Network.VariableIndex.Redim(3);
  AddPoint(s, 1, 1234.5, -12.25, 0);
  AddPoint(s, 2, 1300.0, 40.0, 1);
  AddPoint(s, 3, 1250.0, 100.0, 2);
  s.Network.ObsPoints.Redim(3, 4);
  AddObservation(s, 2, 1, 3);
  AddObservation(s, 1, 2, 3);
  AddObservation(s, kDistanceMarker, 1, 2);
  AddObservation(s, kDistanceMarker, 2, 3);
  for (Matrix* m : {&s.Ellipses.SemiMajor, &s.Ellipses.SemiMinor, &s.Ellipses.Azimuth})
    m->Redim(2, 2);
  s.Ellipses.SemiMajor(1, 1) = 0.02;
  s.Ellipses.SemiMinor(1, 1) = 0.01;
  s.Ellipses.Azimuth(1, 1) = 0.5;
  s.Ellipses.SemiMajor(2, 2) = 0.04;
  s.Ellipses.SemiMinor(2, 2) = 0.04;
  s.Ellipses.Azimuth(2, 2) = 1.0;
  s.Ellipses.SemiMajor(1, 2) = 0.05;
  s.Ellipses.SemiMinor(1, 2) = 0.02;
  s.Ellipses.Azimuth(1, 2) = 2.0;
  s.Ellipses.Done = true;
  return s;
}

}  // namespace ombrel::testing
