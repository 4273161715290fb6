#include "ui/stop_request.h"

#include <atomic>

namespace ombrel {
namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

}  // namespace

void RequestStop() {
  stopRequested.store(true, std::memory_order_relaxed);
}

bool StopRequested() {
  return stopRequested.load(std::memory_order_relaxed);
}

void ClearStopRequest() {
  stopRequested.store(false, std::memory_order_relaxed);
}

}  // namespace ombrel
