// The three design problems of the design command.
#pragma once

namespace ombrel {

// Order zero: the reference system; order one: the configuration; order
// two: the observation weights.
enum class DesignProblem { OrderZero, OrderOne, OrderTwo };

}  // namespace ombrel
