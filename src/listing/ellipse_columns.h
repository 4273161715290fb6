// The four columns shared by every table of ellipses in the listing: the
// semi-major axis and its azimuth, then the semi-minor axis and its azimuth.
#pragma once

#include <string>

namespace ombrel {

// Appends the columns to line: axes in metres (3 integer places, 4
// decimals, followed by " mts"), azimuths in gon (5 integer places, 4
// decimals, followed by " gra").
void AppendEllipseColumns(std::string& line, double semiMajor, double azimuthMajor,
                          double semiMinor, double azimuthMinor);

}  // namespace ombrel
