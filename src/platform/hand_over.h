// One piece of work handed to the user-interface thread by a thread that
// waits for it: the state both sides share, and the caller's wait.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <stop_token>

namespace lx {

// Thrown to a caller whose handed-over work did not run and never will:
// the caller was told to stop while its work still waited in the queue, or
// the user-interface thread takes no more work because the program ends.
// A Logo process turns it into its own ending.
class HandOverStopped : public std::runtime_error {
 public:
  HandOverStopped() : std::runtime_error("the hand-over to the user-interface thread was stopped") {}
};

// The work runs at most once. Its state moves Waiting -> Running ->
// Finished, or Waiting -> Withdrawn; a withdrawn work never starts, and once
// it has started the caller waits for its end. That is what lets the work
// refer to the caller's own variables: they outlive every use of them.
class HandOver {
 public:
  explicit HandOver(std::function<void()> work) : work_(std::move(work)) {}

  // User-interface thread: runs the work unless it was withdrawn, keeping
  // an exception it throws for the caller.
  void run();
  // Any thread: withdraws the work if it has not started yet.
  void refuse();
  // The caller: waits until the work has run and rethrows its exception.
  // When `stop` is requested before the work starts, the work is withdrawn
  // and HandOverStopped is thrown at once; when the work has already
  // started, the caller still waits for its end (it may be using the
  // caller's variables) and the stop takes effect at the caller's next
  // chance.
  void wait(std::stop_token stop);

 private:
  enum class State { Waiting, Running, Finished, Withdrawn };
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::Waiting;  // guarded by mutex_
  bool stopRequested_ = false;    // guarded by mutex_; set from the stopping thread
  std::exception_ptr error_;      // written by the work's thread before Finished
  std::function<void()> work_;    // emptied before Finished or when Withdrawn
};

}  // namespace lx
