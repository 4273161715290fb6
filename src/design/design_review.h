// The review of a singular value decomposition inside a design problem: the
// sorted singular values with those beyond the numerical rank marked as
// eliminated, and the chance to decompose again with other precisions em2
// and em6. Unlike the adjustment's review, cancelling a precision abandons
// the design.
#pragma once

#include <functional>
#include <string>

#include "listing/listing_writer.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// Integer width and decimals of the singular values in a dialog or listing.
struct ValueFormat {
  int width;
  int decimals;
};

// Calls decompose() with the default precisions (EmUserSet = 0), sorts the k
// singular values and asks, under titleLine, whether to decompose again; the
// values are shown in format. Yes asks em2 and em6 and calls decompose()
// again with them (EmUserSet = 1); No accepts, with NumConstraints = k minus
// the rank. Returns false when either precision prompt is cancelled.
// decompose() must size its result anew, since the kernel accumulates onto it.
bool ReviewDesignDecomposition(NetworkState& state, Interaction& ui, const std::string& titleLine,
                               int k, ValueFormat format, const std::function<void()>& decompose);

// The listing lines of an accepted decomposition: the k sorted singular
// values in format (marked when eliminated), then the precisions, the
// control values and the rank defect NumConstraints.
void WriteDesignDecomposition(ListingWriter& out, const NetworkState& state, int k,
                              ValueFormat format);

// The pseudoinverse (cols x rows) of the rows x cols matrix m through a
// reviewed decomposition; the transpose is decomposed when rows < cols,
// since the decomposition needs at least as many rows as columns. Returns
// false when the review is abandoned.
bool ReviewedPseudoinverse(NetworkState& state, Interaction& ui, const Matrix& m, int rows,
                           int cols, const std::string& titleLine, ValueFormat format,
                           Matrix& result);

}  // namespace ombrel
