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
// at least as many rows as columns. The review leaves the precisions the
// person set in tolerances. On acceptance the accepted decomposition is
// returned (its rank defect is min(rows, cols) - rank); nothing when the
// review is abandoned.
std::optional<SvdResult> ReviewedPseudoinverse(SvdTolerances& tolerances, Interaction& ui,
                                               const Matrix& m, int rows, int cols,
                                               const std::string& titleLine, ValueFormat format,
                                               Matrix& result);

// The listing lines of the accepted decomposition svd of k = min(rows, cols)
// singular values, with the tolerances it was accepted with and its rank
// defect k - rank.
void WriteDesignDecomposition(ListingWriter& out, const SvdTolerances& tolerances,
                              const SvdResult& svd, int k, ValueFormat format);

}  // namespace ombrel
