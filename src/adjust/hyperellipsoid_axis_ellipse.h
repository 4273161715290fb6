// The ellipse of the third figure method: the one for which two projected
// semi-axes of the hyperellipsoid are conjugate semi-diameters.
#pragma once

#include "adjust/plane_figures.h"

namespace ombrel {

// The ellipse a x^2 + 2b xy + e y^2 = 1 for which u = (ui, uj) and
// w = (wi, wj) are conjugate semi-diameters: major azimuth in [0, 200] gon,
// the minor's 100 more. Also defined where the projection is degenerate, as
// it is for networks whose symmetry leaves exact or rounding-level zeros in
// the eigenvectors: axes along the coordinate directions (a major axis along
// i has azimuth 100, along j 0), and parallel or null projections, whose
// figure is the segment they span (semi-minor 0).
PlaneFigure AxisPairEllipse(double ui, double uj, double wi, double wj);

}  // namespace ombrel
