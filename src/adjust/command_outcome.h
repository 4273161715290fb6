// How a computation command ended, for front ends that report it (the
// terminal's exit status, the desktop's closing note on the listing).
#pragma once

namespace ombrel {

enum class CommandOutcome {
  Completed,  // ran to its closing question
  Cancelled,  // the person ended it at a prompt
  Refused,    // a check refused it before anything was computed
  Abandoned,  // a computation step gave up
};

}  // namespace ombrel
