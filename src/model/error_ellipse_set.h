// The standard error ellipses a computation left, for the plot and the DXF
// export: (k, k) the ellipse of item k, (k, l) with k < l the relative
// ellipse of items k and l. Axes in metres, azimuth of the major axis in
// radians. The items are the variable points of an adjustment, or the
// vertices an order-zero design chose.
#pragma once

#include "numeric/matrix.h"

namespace ombrel {

struct ErrorEllipseSet {
  bool Done = false;  // the ellipses belong to the network as it is, to be offered
  // The items are DesignVertices (vertex numbers) rather than the variable points.
  bool ForDesignVertices = false;
  // Scaled by the a-priori unit variance (an order-zero design without
  // redundancy) rather than by the estimate of the run.
  bool APriori = false;
  Matrix SemiMajor, SemiMinor, Azimuth;
  int DesignVertexCount = 0;
  IntVector DesignVertices;
};

}  // namespace ombrel
