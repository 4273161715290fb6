// The blunder finder: for every observation, how much the weighted sum of
// squared residuals v^t P v would drop if the network were adjusted again
// without it. With uncorrelated weights the drop has the closed form
// v(i)² p(i) / r(i), so one adjustment gives them all. The largest drop
// points at the observation that fits the rest worst.
#pragma once

#include <string>
#include <vector>

#include "adjust/least_squares.h"
#include "listing/listing_writer.h"

namespace ombrel {

// A row whose redundancy number is below this is checked by no other
// observation: leaving it out changes the rank, and its drop is undefined.
inline constexpr double kUncheckedRedundancy = 1e-9;
// Drops within this relative difference share a place (with one degree of
// freedom every checked observation explains the whole misclosure).
inline constexpr double kEqualDrop = 1e-9;
// Baarda's translation parameter delta0 = k + z(beta0), with the power
// beta0 = 80 %: the critical value of |w| is k = delta0 - 0.8416 (3.28 for
// the default 4.12, a significance level of about 0.1 %).
inline constexpr double kPowerQuantile = 0.8416212335729143;

struct BlunderRow {
  int row = 0;                      // row of the equation system, 1-based
  double residual = 0.0;            // v, in the units of the row
  double redundancy = 0.0;          // r
  bool checked = false;             // r >= kUncheckedRedundancy; otherwise nothing below is defined
  double drop = 0.0;                // v² p / r, the decrease of v^t P v without the row
  bool hasVarianceWithout = false;  // at least two degrees of freedom
  double varianceWithout = 0.0;     // (v^t P v - drop) / (f - 1)
  double statistic = 0.0;           // w = v / sqrt(sigma0² Qvv), a-posteriori sigma0²
  bool rejected = false;            // |w| > critical value
  int place = 0;                    // 1 for the largest drop; equal drops share a place
};

struct BlunderSearch {
  double weightedSum = 0.0;  // v^t P v
  int degreesOfFreedom = 0;  // f
  double variance = 0.0;     // sigma0² = v^t P v / f
  double baardaShift = 0.0;  // delta0
  double criticalValue = 0.0;
  std::vector<BlunderRow> ranked;  // largest drop first, rows checked by no other last
};

// The search over the rows of a solution with weights p (rows of them).
// Needs at least one degree of freedom and baardaShift > 0; arithmetic
// faults throw ArithmeticFault.
BlunderSearch FindBlunders(const LeastSquaresSolution& solution, const Vector& weights, int rows,
                           double baardaShift);

// How a row is named in the listing and the desktop's table.
struct RowName {
  int number = 0;      // equation number
  std::string kind;    // "ángulo", "distancia", or "fila" for imported matrices
  std::string points;  // "2-1-3", "1-4", empty for imported matrices
};

// Writes the listing of the search (its own file, created) under the title
// of the network. Names are indexed by row - 1. A file error throws.
void WriteBlunderListing(ListingWriter& out, const std::string& network,
                         const BlunderSearch& search, const std::vector<RowName>& names);

}  // namespace ombrel
