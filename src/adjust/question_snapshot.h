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
  DatumType datum_ = DatumType::None;
  std::string criterionFile_, listingFile_;
  std::string projectLabel_, pointsLabel_, equationsLabel_;
  int scaleUnknown_ = 0;
  int numCondEq_ = 0;
  Matrix condMatrix_;
  Vector condTerms_, k_;
  IntVector observationNumber_;
  Matrix obsWeights_;
  double baardaShift_ = 0.0;
  bool fullOutput_ = false, outputTypeChosen_ = false;
};

}  // namespace ombrel
