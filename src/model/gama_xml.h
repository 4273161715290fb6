// The network in the XML input format of GNU Gama's local adjustment
// (gama-local), to cross-check an adjustment with another program: points
// with their role and approximate coordinates, angles in gon, distances in
// metres, and standard deviations from the weights.
#pragma once

#include <string>

#include "model/plain_network.h"
#include "model/result.h"

namespace ombrel {

// The a-priori standard deviation of unit weight written in the file
// (sigma-apr). The weights are 1/sigma² with sigma in 1e-4 gon for angles
// and in metres for distances, so sigma = sigma-apr / sqrt(p): in 1e-4 gon
// (the file's centicentigons) for an angle, times 1000 in millimetres for a
// distance.
inline constexpr double kGamaSigmaApriori = 1.0;

// The XML text (UTF-8, CR LF). X east and Y north are the file's x and y
// (axes-xy="en"), angles clockwise (angles="left-handed"). A fixed point is
// fix="xy"; a variable one adj="xy", or adj="XY" (constrained: its
// coordinates define the datum) when fewer than two points are fixed, as a
// free network needs. The equation number of each observation goes in its
// extern attribute, description names the network.
std::string GamaLocalXml(const PlainNetwork& network, const std::string& description);

// Reads a file of that format back: the points (integer ids, x and y given,
// fix or adj) and the angles and distances with their standard deviations,
// in document order, under the sigma-apr of the file (10 when absent). The
// observations of an <obs> take its from attribute when they lack their own;
// an observation without extern takes its position as equation number.
// Anything it cannot represent (other observation kinds, another axes-xy or
// angles orientation) is refused with the Spanish reason ("línea 4: ...").
Result<PlainNetwork> ReadGamaLocalXml(const std::string& text);

}  // namespace ombrel
