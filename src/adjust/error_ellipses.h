// Standard (one-sigma) error ellipses of the adjusted points and relative
// error ellipses of every pair of them: the "ELIPSES DE ERROR" section of the
// listing and the three ellipse matrices that the plot and the DXF export
// draw.
#pragma once

#include "model/network_state.h"

namespace ombrel {

// Below these values of a + b - D (m²) the semi-minor axis is taken as 0, so
// that rounding cannot reach the square root of a negative number.
inline constexpr double kVertexMinorThreshold = 1e-10;
inline constexpr double kRelativeMinorThreshold = 0.0;

struct Ellipse {
  double semiMajor = 0.0;     // metres
  double semiMinor = 0.0;     // metres
  double azimuthMajor = 0.0;  // gon from north (+Y) towards east (+X), in (0, 200]
  double azimuthMinor = 0.0;  // gon, azimuthMajor +- 100
};

// The ellipse of a 2 x 2 covariance block: variance a along x, b along y,
// covariance c, all in m² (a, b >= 0, c² <= a b). threshold is
// kVertexMinorThreshold or kRelativeMinorThreshold. When c is exactly 0 the
// axes lie along the coordinate axes: the one along X gets azimuth 100 and
// the one along Y azimuth 200 (a >= b: 100 and 200; a < b: 200 and 100).
// Arithmetic faults (a block that is not positive semi-definite) throw.
Ellipse EllipseFromCovariance(double a, double b, double c, double threshold);

// Writes the section to ListingFileName (appending) and returns the
// ellipses, sized and filled on the diagonal and upper triangle for the
// items that state.Ellipses describes: the variable points, or the
// order-zero design's vertices when ForDesignVertices is set (the items'
// description is carried over; Done is left to the caller, who offers the
// ellipses once the run completes). Reads Qxx and Sigma0Sq of the solution.
// Run-time errors (arithmetic, file) pass to the caller.
ErrorEllipseSet WriteErrorEllipses(const NetworkState& state);

}  // namespace ombrel
