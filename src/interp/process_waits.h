// How a process waits. Every wait of a process (time, a pause, a named lock,
// another process, an event handler) releases the interpreter lock and ends
// at once when the process is told to stop. All such waits share one mutex
// and one condition variable: whatever changes what a waiter looks at (a
// stop request, a resumed pause, a freed lock, an ended process) changes it
// under that mutex and wakes every waiter, so no wake-up is ever lost.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <stop_token>

#include "platform/clock.h"

namespace lx {

// The mutex under which waiters check their conditions.
std::mutex& waitMutex();
// Runs `change` under the wait mutex and wakes every waiter.
void changeAndNotify(const std::function<void()>& change);

// What other threads tell one process: to stop, to pause.
class ProcessControl {
 public:
  // Never refused; also lifts a pause, so that a paused process sees it.
  void requestStop();
  bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
  void setPaused(bool paused);
  bool paused() const { return paused_.load(std::memory_order_relaxed); }
  // Signalled by the stop request: work handed over to the user-interface
  // thread that has not started yet is withdrawn when the process stops.
  std::stop_token stopToken() const { return stopSource_.get_token(); }

 private:
  std::stop_source stopSource_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> paused_{false};
};

enum class WaitEnd { Ready, Stopped, TimedOut };

// Waits until `ready` (checked under the wait mutex; may be empty), until
// `self` is told to stop (none: a thread that is no process, which is never
// stopped) or until the deadline. The interpreter lock is released for the
// wait when the caller holds it, and taken back before returning.
WaitEnd waitReleased(const ProcessControl* self, const std::function<bool()>& ready,
                     SteadyTime deadline = SteadyTime::max());

}  // namespace lx
