// How a design problem that gives up tells the design driver.
#pragma once

#include <string>

#include "listing/listing_writer.h"
#include "model/network_state.h"

namespace ombrel {

// The NetworkType of a design problem that gave up.
inline constexpr const char* kDesignAbandoned = "Abandono_Prematuramente";

// Writes blanksBefore empty lines, the line "    --> CALCULO DEL <problem>
// ABANDONADO PREMATURAMENTE " and an empty line, closes the listing and
// sets NetworkType to kDesignAbandoned. problem is "PD0", "PD1" or "PD2".
void AbandonDesign(ListingWriter& out, NetworkState& state, const std::string& problem,
                   int blanksBefore);

}  // namespace ombrel
