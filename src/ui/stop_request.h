// The request to stop the running computation that an interrupt (Ctrl+C on
// a terminal) leaves for the computation to find at its next progress
// report. Safe to set from a signal handler.
#pragma once

namespace ombrel {

// Async-signal-safe: only stores to a lock-free atomic.
void RequestStop();
bool StopRequested();
void ClearStopRequest();

}  // namespace ombrel
