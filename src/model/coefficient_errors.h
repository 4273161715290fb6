// Error bounds of the coefficients of A that follow from the precision of the
// approximate coordinates, for the study of calculation with approximate
// numbers. Each bound is |coefficient| times the digit limit of its relative
// error, built up by the rules for differences, squares, quotients and sums.
#pragma once

#include "model/geometry.h"
#include "model/network_state.h"

namespace ombrel {

// Fills CoefficientErrors(i, .) for an angle row i at back-sight b, station s
// and fore-sight f (point indices), with ApproxPrecision as the absolute error
// of every coordinate difference (metres).
void AngleCoefficientErrors(NetworkState& state, int i, const ObservationPoints& p);

// The same for a distance row from point s to point f.
void DistanceCoefficientErrors(NetworkState& state, int i, const ObservationPoints& p);

}  // namespace ombrel
