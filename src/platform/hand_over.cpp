// The shared state of a hand-over to the user-interface thread.
#include "platform/hand_over.h"

#include <utility>

namespace lx {

void HandOver::run() {
  {
    std::lock_guard lock(mutex_);
    if (state_ != State::Waiting) return;
    state_ = State::Running;
  }
  std::exception_ptr error;
  try {
    work_();
  } catch (...) {
    error = std::current_exception();
  }
  work_ = nullptr;  // what the work owns dies here, before the caller goes on
  {
    std::lock_guard lock(mutex_);
    error_ = std::move(error);
    state_ = State::Finished;
  }
  // The queue still holds this state while it is being run, so it outlives
  // the notification even when the caller returns at once.
  changed_.notify_all();
}

void HandOver::refuse() {
  {
    std::lock_guard lock(mutex_);
    if (state_ != State::Waiting) return;
    state_ = State::Withdrawn;
    work_ = nullptr;
  }
  changed_.notify_all();
}

void HandOver::wait(std::stop_token stop) {
  // The stop callback runs on the stopping thread (or here, at once, when
  // the stop was requested before). Leaving this function destroys it,
  // which waits for a callback that is running at that moment.
  std::stop_callback onStop(stop, [this] {
    {
      std::lock_guard lock(mutex_);
      stopRequested_ = true;
    }
    changed_.notify_all();
  });
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] {
    return state_ == State::Finished || state_ == State::Withdrawn ||
           (stopRequested_ && state_ == State::Waiting);
  });
  if (state_ == State::Waiting) {
    state_ = State::Withdrawn;
    work_ = nullptr;
  }
  if (state_ == State::Withdrawn) throw HandOverStopped();
  // The caller takes the exception over, so that the last reference to it
  // is dropped on this thread and not by the user-interface thread.
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

}  // namespace lx
