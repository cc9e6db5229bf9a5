// How the user-interface thread sleeps when it has nothing to do, and how
// other threads wake it. Each backend brings its own: headless waits on a
// condition variable; a windowed backend waits for the window system's
// events, which it turns into input while it waits.
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/clock.h"

namespace lx {

class EventWaiter {
 public:
  virtual ~EventWaiter() = default;
  // User-interface thread only. Returns when wake() has been called since
  // the last return, when the backend's own events arrived, or at the
  // deadline (SteadyTime::max() waits without a deadline). May return early.
  virtual void waitUntil(SteadyTime deadline) = 0;
  // Any thread. A wake that comes while nobody waits is kept, so the next
  // waitUntil returns at once: work queued just before the loop goes to
  // sleep is never slept over.
  virtual void wake() = 0;
  // User-interface thread, between the steps of a loop that has work: a
  // backend whose events arrive only while it waits takes them in now and
  // then, so that a busy loop does not shut them out. May do nothing.
  virtual void poll() {}
};

// The headless waiter: a condition variable and a "woken" flag.
class BlockingWaiter final : public EventWaiter {
 public:
  void waitUntil(SteadyTime deadline) override;
  void wake() override;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool woken_ = false;  // guarded by mutex_; set by wake(), consumed by waitUntil()
};

}  // namespace lx
