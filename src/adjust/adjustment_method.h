// The three methods of the adjustment command.
#pragma once

namespace ombrel {

// By the inverse of the normal matrix (a network with its datum fixed), by
// the matrix of constraints E (a free network) and by the pseudoinverse.
enum class AdjustmentMethod { Inverse, Constraints, Pseudoinverse };

}  // namespace ombrel
