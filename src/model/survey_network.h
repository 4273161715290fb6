// The network as the person described it: its points and its observations,
// in file order. Coordinates in metres; angles in gon, distances in metres.
// Arrays are 1-based.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct SurveyNetwork {
  // Points.
  int NumPoints = 0;
  int NumFixed = 0;
  Vector PointX, PointY;
  IntVector VariableIndex;  // 0 fixed; j >= 1 for the j-th variable point
  IntVector PointNumber;    // the vertex number the user gave

  // Observations.
  int NumObs = 0;
  IntMatrix ObsPoints;  // (1..3, i): back-sight/-99, station/from, fore-sight/to
  Vector ObsValue;
  Matrix ObsWeights;  // (0..2, 0..106): row 1 kind (1 angle, 2 distance), row 2 weight
  IntVector ObservationNumber;
};

}  // namespace ombrel
