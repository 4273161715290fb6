// Plane geometry of the approximate coordinates (X east, Y north, metres).
#pragma once

#include "model/survey_network.h"

namespace ombrel {

// Indices of the points of one observation (0 where a role is unused).
struct ObservationPoints {
  int back = 0, station = 0, fore = 0;
};

// Azimuth in gon, in [0, 400), of the direction from point i to point j
// (point indices 1..NumPoints), counted from +Y (north) towards +X (east).
// The same point gives 0.
double Azimuth(const SurveyNetwork& network, int i, int j);

// Plane distance in metres between points i and j.
double Distance(const SurveyNetwork& network, int i, int j);

// The azimuth of a coordinate difference, by the same rules.
double AzimuthOf(double dx, double dy);

}  // namespace ombrel
