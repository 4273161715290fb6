// The review of a singular value decomposition by the person: the sorted
// singular values with those beyond the numerical rank marked as eliminated,
// and the chance to decompose again with other precisions em2 and em6
// before the result is used. Also the listing lines that report a reviewed
// decomposition. The adjustment and the design problems share it; they
// differ only in the style of the review.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "listing/listing_writer.h"
#include "model/network_state.h"
#include "numeric/svd.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kEliminatedMark = "  -->  ELIMINADO ";

// Integer width and decimals of the singular values in a dialog or a
// listing, and the text written before each value.
struct ValueFormat {
  int width;
  int decimals;
  const char* lead = "";
};

inline constexpr ValueFormat kReviewDialogValues{8, 18};
inline constexpr ValueFormat kAdjustmentListingValues{12, 18, " "};

struct ReviewStyle {
  ValueFormat values = kReviewDialogValues;
  // True: an empty precision answer ends the review (a design problem then
  // gives up). False: it goes back to the question, which then shows the
  // prompt that was cancelled.
  bool cancelEnds = false;
  // The adjustment's question ends with a line break, the design's does not.
  bool questionLineEnd = true;
  // When positive, the default em6 is this share of the largest singular
  // value (to two significant digits) rather than the fixed 1e-10: the first
  // decomposition uses it and the em6 prompt offers it.
  double relativeEm6 = 0.0;
};

inline constexpr ReviewStyle kAdjustmentReview{};

inline constexpr ReviewStyle DesignReview(ValueFormat values) {
  return {values, true, false};
}

// Sorts values(1..k) into descending order.
void SortSingularValues(Vector& values, int k);

// The text of an em value in prompts and listings: the general text of the
// number without the sign blank ("1E-12", ".5").
std::string PlainNumberText(double value);

// Sets tolerances to the defaults and calls
// decompose(tolerances) with them (with a relative em6, once more with that
// em6), sorts the k singular values (k <= those decompose returns) and asks,
// under heading, whether to decompose again. Yes asks em2 and em6 into
// tolerances, each a positive number (anything else is refused with
// "¡ Número no válido !" and asked again), and decomposes again with them;
// No returns the last decomposition, its first k singular values sorted.
// Returns nothing when a precision prompt is cancelled under a style whose
// cancel ends the review. Whatever decompose throws passes to the caller.
std::optional<SvdResult> ReviewedDecomposition(
    SvdTolerances& tolerances, Interaction& ui, const std::string& heading, int k,
    const std::function<SvdResult(const SvdTolerances&)>& decompose,
    const ReviewStyle& style = kAdjustmentReview);

// The listing lines of a reviewed decomposition svd: its k sorted singular
// values in format (marked when eliminated) and the control block with the
// tolerances' em2 and em6, ending with the rank defect given.
void WriteDecompositionReport(ListingWriter& out, const SvdTolerances& tolerances,
                              const SvdResult& svd, int k, int rankDefect,
                              ValueFormat format = kAdjustmentListingValues);

}  // namespace ombrel
