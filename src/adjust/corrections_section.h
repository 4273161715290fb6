// The corrections section of the adjustment with the inverse: each
// correction beside its adjusted coordinate when the coordinates are known,
// the corrections alone for matrices imported without approximate
// coordinates, and the scale factor when the network has one.
#pragma once

#include "listing/listing_writer.h"
#include "model/network_state.h"

namespace ombrel {

// x holds the u = ProjectUnknowns() corrections: metres for the coordinate
// unknowns of variable point k (2k - 1 for X, 2k for Y), a pure number for
// the scale unknown (written in parts per million too). Coordinates and
// corrections take OutputDecimals decimals (0..308). Reads MatrixInput,
// ApproxCoordsGiven, VariableIndex, PointNumber, PointX, PointY. The
// free-network methods have no scale unknown and pass withScaleLine = false.
void WriteCorrections(ListingWriter& out, const NetworkState& state, const Vector& x,
                      bool withScaleLine = true);

}  // namespace ombrel
