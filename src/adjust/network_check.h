// The check of a network before it is adjusted: why the chosen method could
// not adjust it, or which of its parts the adjustment would leave
// uncontrolled, named in Spanish with the points and equations at fault.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adjust/results_export.h"
#include "model/network_state.h"
#include "model/plain_network.h"

namespace ombrel {

enum class FindingKind {
  DuplicateNumber,  // two points carry one vertex number
  FewObservations,  // a variable point with fewer than two observations
  Disconnected,     // points joined to the rest by no observation
  Datum,            // more (or less) datum defect than the method takes
  Unformable,       // the equations cannot be formed (the formation's own message)
  Uncontrolled,     // an observation whose redundancy number is below kControlledRedundancy
  FarApproximate,   // approximate coordinates far from what the observations imply
};

struct Finding {
  FindingKind kind;
  std::string text;  // one line, Spanish
};

inline constexpr double kControlledRedundancy = 0.01;
// A correction to a point's approximate position longer than this fraction
// of the shortest line observed from or to it: the second-order terms that
// one linearised step leaves out (about e²/2s for a shift e across a line s,
// 5 mm over 100 m) reach the size of the observations' own errors.
inline constexpr double kFarFraction = 1e-2;

struct CheckSettings {
  AdjustmentMethod method = AdjustmentMethod::Inverse;
  bool scaleUnknown = false;  // the constrained adjustment with the scale factor as an unknown
};

// The linearised system of the network as the method would form it: A with
// the unknowns of the variable points in file order (and the scale column
// when asked for), K, and the weights. Absent when the formation refused
// the network, with its message instead.
struct FormedSystem {
  Matrix a;
  Vector k, weights;
  int rows = 0, cols = 0;
};

// Every finding, in the order of FindingKind. Points named in one finding
// are left out of the later ones, so that one fault is reported once.
std::vector<Finding> CheckNetwork(const PlainNetwork& network, const CheckSettings& settings,
                                  const std::optional<FormedSystem>& system,
                                  const std::string& formationMessage);

// The same for the active project of the state: forms its equations on a
// copy (without condition equations), silently.
std::vector<Finding> CheckActiveNetwork(const NetworkState& state, const CheckSettings& settings);

// "Compensación con matriz inversa" and the like, for the heading.
std::string MethodTitle(const CheckSettings& settings);

// The one line of a network without findings.
std::string CleanNetworkText(const CheckSettings& settings);

}  // namespace ombrel
