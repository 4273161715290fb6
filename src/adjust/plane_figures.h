// The plane error figures derived from the error hyperellipsoid x^t N x = 1:
// the ellipse of a quadratic form, the projection of a three-dimensional
// section, and the ellipse for which two projected semi-axes are conjugate
// semi-diameters.
#pragma once

#include "model/hyperellipsoid_figure_set.h"

namespace ombrel {

// An ellipse in the plane of two unknowns i (as X) and j (as Y). Axes in
// metres; azimuths in gon from the j axis towards the i axis.
struct PlaneFigure {
  double semiMajor = 0.0;
  double semiMinor = 0.0;
  double azimuthMajor = 0.0;
  double azimuthMinor = 0.0;
};

// The figure cii x^2 + 2cij xy + cjj y^2 = 1 (cii, cjj > 0, positive
// definite), its axes along the principal slopes; azimuths in (0, 200).
// When 2cij is exactly 0 the axes lie along the coordinate directions: the
// one along X has azimuth 100, the one along Y 200.
PlaneFigure ProjectedFigure(double cii, double cjj, double twoCij);

// The t-th (1-based) method-3 ellipse of the coordinate unknowns i < j,
// recomputed from SemiAxisVectors: the pairs of semi-axes p < q among the
// first AxisProjSemiAxes columns, counted in order (1,2), (1,3), ..., (2,3), ...
PlaneFigure AxisProjectionFigure(const HyperellipsoidFigureSet& figures, int i, int j, int t);

}  // namespace ombrel
