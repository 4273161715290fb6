// What the adjustment's questions write into the state before anything is
// computed: the method's choices, the condition equations with their rows
// of K, the observation numbers and weights, the equation label of the
// project frame, Baarda's parameter and the listing's name and kind. A
// command cancelled at a question puts it all back, so that the network and
// the frame are as they were before the command.
#pragma once

#include <string>

#include "model/network_state.h"
#include "ui/interaction.h"

namespace ombrel {

class QuestionSnapshot {
 public:
  explicit QuestionSnapshot(const NetworkState& state);

  // Writes the values taken back into state and shows the frame's labels
  // again through ui.
  void Restore(NetworkState& state, Interaction& ui) const;

 private:
  // The questions change the options and, of the equation system, the
  // scale unknown and the condition equations with their rows of K.
  RunOptions options_;
  EquationSystem equations_;
  std::string criterionFile_, listingFile_;
  std::string projectLabel_, pointsLabel_, equationsLabel_;
  IntVector observationNumber_;
  Matrix obsWeights_;
};

}  // namespace ombrel
