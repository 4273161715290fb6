// The computation steps of a command, run as a list: each step runs only
// while no step before it abandoned (NetworkState::Abandon), so the order of
// the steps is the order of their prompts and messages.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "model/network_state.h"
#include "model/result.h"
#include "ui/progress_meter.h"

namespace ombrel {

struct CommandStep {
  std::function<void()> run;
  bool counted = true;  // one progress report once done
  bool runs = true;     // false: not part of this run
};

// What a step does with the failure a computation returned: shows it, keeps
// its message in MessageText (for the listing's closing line) and abandons.
inline void AbandonOnFailure(NetworkState& state, Interaction& ui,
                             const std::optional<Failure>& failure) {
  if (!failure) return;
  ShowFailure(ui, *failure);
  state.MessageText = failure->message;
  state.Abandon = true;
}

// Runs the steps in order and stops at the first that leaves state.Abandon
// set; the meter, when given, advances after each counted step (where the
// person may stop the run). Returns true when every step ran and none
// abandoned.
inline bool RunSteps(const NetworkState& state, std::span<const CommandStep> steps,
                     ProgressMeter* meter = nullptr) {
  for (const CommandStep& step : steps) {
    if (!step.runs) continue;
    step.run();
    if (state.Abandon) return false;
    if (step.counted && meter) meter->Advance();
  }
  return true;
}

}  // namespace ombrel
