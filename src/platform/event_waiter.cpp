// The headless waiter of the user-interface loop.
#include "platform/event_waiter.h"

namespace lx {

void BlockingWaiter::waitUntil(SteadyTime deadline) {
  std::unique_lock lock(mutex_);
  const auto woken = [this] { return woken_; };
  if (deadline == SteadyTime::max()) {
    changed_.wait(lock, woken);
  } else {
    changed_.wait_until(lock, realWakeTime(deadline), woken);
  }
  woken_ = false;
}

void BlockingWaiter::wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  changed_.notify_one();
}

}  // namespace lx
