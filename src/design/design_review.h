// The pseudoinverse of a matrix inside a design problem, through the review
// of its singular value decomposition. Unlike the adjustment's review,
// cancelling a precision abandons the design.
#pragma once

#include <optional>
#include <string>

#include "adjust/singular_value_review.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

// The pseudoinverse (cols x rows) of the rows x cols matrix m through a
// reviewed decomposition titled titleLine, its values shown in format; the
// transpose is decomposed when rows < cols, since the decomposition needs
// at least as many rows as columns. On acceptance NumConstraints is the
// rank defect min(rows, cols) - rank and the accepted decomposition is
// returned; nothing when the review is abandoned.
std::optional<SvdResult> ReviewedPseudoinverse(NetworkState& state, Interaction& ui,
                                               const Matrix& m, int rows, int cols,
                                               const std::string& titleLine, ValueFormat format,
                                               Matrix& result);

// The listing lines of the accepted decomposition svd, its rank defect being
// NumConstraints.
void WriteDesignDecomposition(ListingWriter& out, const NetworkState& state, const SvdResult& svd,
                              int k, ValueFormat format);

}  // namespace ombrel
