// Error bounds of the coefficients of A that follow from the precision of the
// approximate coordinates, for the study of calculation with approximate
// numbers. Each bound is |coefficient| times the digit limit of its relative
// error, built up by the rules for differences, squares, quotients and sums.
#pragma once

#include "model/equation_system.h"
#include "model/geometry.h"
#include "model/survey_network.h"

namespace ombrel {

// Fills e.CoefficientErrors(i, .) for an angle row i, whose coefficients
// are already in e.A, at back-sight, station and fore-sight p (point
// indices), with precision as the absolute error of every coordinate
// difference (metres).
void AngleCoefficientErrors(const SurveyNetwork& network, double precision, int i,
                            const ObservationPoints& p, EquationSystem& e);

// The same for a distance row from the station to the fore-sight.
void DistanceCoefficientErrors(const SurveyNetwork& network, double precision, int i,
                               const ObservationPoints& p, EquationSystem& e);

}  // namespace ombrel
