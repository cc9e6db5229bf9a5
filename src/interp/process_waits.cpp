// The shared wait of processes.
#include "interp/process_waits.h"

#include <condition_variable>

namespace lx {
namespace {

// Never destroyed: a process thread may still be waking waiters when the
// program's static objects are being destroyed.
std::condition_variable& waitChanged() {
  static auto* changed = new std::condition_variable;
  return *changed;
}

bool stopped(const ProcessControl* self) {
  return self && self->stopRequested();
}

// The wait itself, with the interpreter lock released.
WaitEnd waitUnlocked(const ProcessControl* self, const std::function<bool()>& ready, SteadyTime deadline) {
  std::unique_lock lock(waitMutex());
  for (;;) {
    if (stopped(self)) return WaitEnd::Stopped;
    if (ready && ready()) return WaitEnd::Ready;
    if (deadline == SteadyTime::max()) {
      waitChanged().wait(lock);
    } else if (clockNow() >= deadline) {
      return WaitEnd::TimedOut;
    } else {
      waitChanged().wait_until(lock, realWakeTime(deadline));
    }
  }
}

}  // namespace

std::mutex& waitMutex() {
  static auto* mutex = new std::mutex;
  return *mutex;
}

void changeAndNotify(const std::function<void()>& change) {
  {
    std::lock_guard lock(waitMutex());
    if (change) change();
  }
  waitChanged().notify_all();
}

WaitEnd waitReleased(ProcessControl* self, const std::function<bool()>& ready, SteadyTime deadline) {
  WaitEnd end;
  {
    if (self) self->enter(ProcessPhase::Waiting);
    LockReleased released;
    end = waitUnlocked(self, ready, deadline);
  }
  if (self) self->enter(ProcessPhase::Running);
  return stopped(self) ? WaitEnd::Stopped : end;
}

}  // namespace lx
