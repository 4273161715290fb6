// The review of a singular value decomposition by the person: the sorted
// singular values with those beyond the numerical rank marked as eliminated,
// and the chance to decompose again with other precisions em2 and em6
// before the result is used. Also the listing lines that report a reviewed
// decomposition.
#pragma once

#include <functional>
#include <string>

#include "listing/listing_writer.h"
#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

inline constexpr const char* kEliminatedMark = "  -->  ELIMINADO ";

// Sorts SingularValues(1..k) into descending order.
void SortSingularValues(NetworkState& state, int k);

// The text of an em value in prompts and listings: the general text of the
// number without the sign blank ("1E-12", ".5").
std::string PlainNumberText(double value);

// Calls decompose() (EmUserSet is set to 0 first, so the default precisions
// apply), sorts the k singular values and asks, under heading, whether to
// decompose again. Yes asks em2 and em6 (cancelling either goes back to the
// question without decomposing) and decomposes again with EmUserSet = 1;
// No returns, leaving the last decomposition in the kernel state.
void ReviewedDecomposition(NetworkState& state, Interaction& ui, const std::string& heading, int k,
                           const std::function<void()>& decompose);

// The listing lines of a reviewed decomposition: the k sorted singular
// values (marked when eliminated) and the control block, ending with the
// rank defect given.
void WriteDecompositionReport(ListingWriter& out, const NetworkState& state, int k, int rankDefect);

}  // namespace ombrel
