// How a design problem that gives up tells the design driver.
#pragma once

#include "design/design_problem.h"
#include "listing/listing_writer.h"

namespace ombrel {

// How a design problem ended: completed, or given up by the person.
enum class DesignEnd { Completed, Abandoned };

// Writes blanksBefore empty lines, the line "    --> CALCULO DEL PD<order>
// ABANDONADO PREMATURAMENTE " and an empty line, and closes the listing.
// Returns DesignEnd::Abandoned, for the problem to return.
DesignEnd AbandonDesign(ListingWriter& out, DesignProblem problem, int blanksBefore);

}  // namespace ombrel
