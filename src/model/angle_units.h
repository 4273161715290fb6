// Units of angles and scale shared by the equations, the figures and the
// plots. Angles are centesimal: a circle is 400 gon. The angle rows of A and
// K, and the angle residuals of the listing, are in units of 1e-4 gon, so
// that an angle's coefficients are of the same size as a distance's (metres).
//
// The formulas keep the order of their operations (for example
// `angle * kGonPerHalfCircle / kPi`, never a premultiplied factor), because
// the listings are compared digit for digit and a different rounding of the
// factor could move the last printed digit.
#pragma once

#include <numbers>

namespace ombrel {

inline constexpr double kPi = std::numbers::pi;

inline constexpr double kGonPerQuarterCircle = 100.0;
inline constexpr double kGonPerHalfCircle = 200.0;
inline constexpr double kGonPerThreeQuarters = 300.0;
inline constexpr double kGonPerCircle = 400.0;

// Angle units (1e-4 gon) in one gon, and in half a circle: the numerator of
// rho, the factor that turns a change of direction in radians into angle units.
inline constexpr double kAngleUnitsPerGon = 10000.0;
inline constexpr double kAngleUnitsPerHalfCircle = 2000000.0;

// A scale factor written in parts per million.
inline constexpr double kPartsPerMillion = 1000000.0;

}  // namespace ombrel
