// Approximate coordinates of the variable points of an imported network:
// they are needed for the adjusted coordinates, the error ellipses and the
// plot, and the matrix files do not carry them.
#pragma once

#include <string>
#include <vector>

#include "model/network_state.h"
#include "model/result.h"

namespace ombrel {

// Prepares the working copy: ApproxCount = columns of the imported A / 2.
// Unless coordinates were given before, PointX, PointY, ApproxX and ApproxY
// start again from zeros; then ApproxX and ApproxY take the points' values.
void BeginApproxCoordinates(NetworkState& state);

// Copies the working coordinates to the points and marks them given.
void AcceptApproxCoordinates(NetworkState& state);

struct ApproxPoint {
  int number = 0;
  double x = 0.0, y = 0.0;
};

// Reads a coordinates file: one line per variable point, its number (1 to
// ApproxCount), X and Y, separated by blanks or commas; empty lines are
// skipped. A fault is a message naming the line ("línea 3: ...").
Result<std::vector<ApproxPoint>> ReadApproxCoordinates(const std::string& text, int approxCount);

// Begin, set the points read, accept: what the dialog does when the same
// values are typed.
void ApplyApproxCoordinates(NetworkState& state, const std::vector<ApproxPoint>& points);

}  // namespace ombrel
