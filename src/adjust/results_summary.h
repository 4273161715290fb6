// The section that closes every adjustment listing: "RESUMEN DE RESULTADOS".
#pragma once

#include <optional>

#include "model/network_state.h"
#include "model/result.h"

namespace ombrel {

// Appends the results summary to the listing ListingFileName: for each
// variable point its corrections (m), adjusted coordinates (m) and their
// standard deviations sqrt(Sigma0Sq Qxx(u, u)) (m), with OutputDecimals
// decimals (0 or more; up to 6 the columns keep their places); the scale
// correction (dimensionless) with its ppm factor when ScaleUnknown is 1;
// then Sigma0Sq. A network given as matrices without approximate
// coordinates has no points to name and gets only corrections and standard
// deviations. A run-time error (a negative Qxx diagonal, a file error) ends
// the section where it happened and its failure is returned; what was
// written stays in the listing.
std::optional<Failure> WriteResultsSummary(const NetworkState& state);

}  // namespace ombrel
