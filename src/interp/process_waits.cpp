// The shared wait of processes.
#include "interp/process_waits.h"

#include <condition_variable>

#include "interp/interpreter_lock.h"

namespace lx {
namespace {

// Never destroyed: a process thread may still be waking waiters when the
// program's static objects are being destroyed.
std::condition_variable& waitChanged() {
  static auto* changed = new std::condition_variable;
  return *changed;
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

void ProcessControl::requestStop() {
  changeAndNotify([this] {
    stop_.store(true);
    paused_.store(false);
  });
  // Outside the wait mutex: withdrawing a hand-over takes the interface's
  // queue lock.
  stopSource_.request_stop();
}

void ProcessControl::setPaused(bool paused) {
  changeAndNotify([&] {
    if (!stop_.load()) paused_.store(paused);
  });
}

WaitEnd waitReleased(const ProcessControl* self, const std::function<bool()>& ready, SteadyTime deadline) {
  InterpreterUnlockScope released;
  std::unique_lock lock(waitMutex());
  for (;;) {
    if (self && self->stopRequested()) return WaitEnd::Stopped;
    if (ready && ready()) return WaitEnd::Ready;
    if (deadline == SteadyTime::max()) {
      waitChanged().wait(lock);
    } else if (waitChanged().wait_until(lock, deadline) == std::cv_status::timeout) {
      if (self && self->stopRequested()) return WaitEnd::Stopped;
      return ready && ready() ? WaitEnd::Ready : WaitEnd::TimedOut;
    }
  }
}

}  // namespace lx
