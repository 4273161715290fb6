// The error figures of the hyperellipsoid of the m' = Unknowns coordinate
// unknowns that a computation left, by the three methods, for the plot and
// the DXF export. Axes in metres, azimuths in radians; arrays 1-based.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct HyperellipsoidFigureSet {
  int Unknowns = 0;
  Matrix InvSqrtEigen;     // m x m, diagonal 1/sqrt(lambda_j), 0 for lambda_j < 1e-4
  Matrix SemiAxisVectors;  // m' x m', column p: p-th semi-axis of the standard hyperellipsoid
  // Method 1 (sections): element (i, j), i < j.
  bool SectionsDone = false;
  Matrix SectionSemiMajor, SectionSemiMinor, SectionAzimuth;
  // Method 2 (rosettes): row FigurePairIndex(i, j, m') (i < j), column q,
  // the figure of the pair through the third unknown q.
  bool RosettesDone = false;
  Matrix RosetteSemiMajor, RosetteSemiMinor, RosetteAzimuth;
  // Method 3: the ellipses of a pair are recomputed on demand from
  // SemiAxisVectors over its first AxisProjSemiAxes columns.
  bool AxisProjDone = false;
  int AxisProjSemiAxes = 0;
  int AxisProjCount = 0;
};

// Row of the pair of unknowns i < j (1..count) in the method-2 figure arrays:
// the pairs (1,2), (1,3), ..., (2,3), ... numbered from 1.
inline int FigurePairIndex(int i, int j, int count) {
  return (i - 1) * count - (i - 1) * i / 2 + (j - i);
}

}  // namespace ombrel
