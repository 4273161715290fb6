// The opening of every listing: what the computation is about (the active
// project echoed with its weights, or the imported matrix files), the program
// banner, the counts of the problem and, in full output or for imported
// matrices, the input matrices A, K and the diagonal of P.
#pragma once

#include "model/network_state.h"

namespace ombrel {

// Creates (or empties) the listing ListingFileName and writes the header.
// Reads the project file ProjectName again to echo it. Called after the
// equations are formed. Has no error handler of its own: FileError (listing
// or project file) and arithmetic faults pass to the caller, and whatever
// was written before the failure stays in the listing.
void WriteListingHeader(const NetworkState& state);

}  // namespace ombrel
