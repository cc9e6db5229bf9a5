// The user-interface thread: the loop that runs work queued for it, fires
// its timers, delivers input and paints windows, and the synchronous
// hand-over by which other threads (Logo processes) get work done on it.
//
// The user-interface thread is the thread that made the UiThread object:
// the program's main thread, or a test's own thread. Only it runs the loop.
// Everything else here may be called from any thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <type_traits>
#include <utility>

#include "platform/clock.h"
#include "platform/event_waiter.h"
#include "platform/hand_over.h"
#include "platform/timer_queue.h"

namespace lx {

using Task = std::function<void()>;

// What queued work is. A loop run can attend to some kinds only and leave
// the others queued, in order (see Serve).
enum class TaskKind : uint8_t { HandOver, MouseInput, KeyInput, Paint, Posted };

// The kinds of work a loop run attends to, as bit flags. Waiting for a
// process to end, the user-interface thread serves hand-overs only, so that
// the process it waits for can still get its work done; waiting for an
// event handler it serves hand-overs and mouse input too.
enum class Serve : uint8_t {
  HandOvers = 1 << 0,
  MouseInput = 1 << 1,
  KeyInput = 1 << 2,
  Paint = 1 << 3,
  Posted = 1 << 4,
  Timers = 1 << 5,
  Everything = 0x3F,
};
constexpr Serve operator|(Serve a, Serve b) {
  return static_cast<Serve>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}
constexpr bool serves(Serve mask, Serve what) {
  return (static_cast<uint8_t>(mask) & static_cast<uint8_t>(what)) != 0;
}

// Why a loop run returned.
enum class RunEnd { Done, Deadline, Quit };

class UiThread {
 public:
  // The calling thread becomes the user-interface thread. Without a waiter
  // the loop sleeps on a condition variable (headless).
  explicit UiThread(std::unique_ptr<EventWaiter> waiter = nullptr);
  // Refuses the hand-overs still waiting (their callers get HandOverStopped).
  ~UiThread();
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;

  bool isCurrent() const { return std::this_thread::get_id() == owner_; }
  // Stops the program with a message naming `operation` when called on
  // another thread: for the operations that only the user-interface thread
  // may do. The check stays on in every build.
  void requireCurrent(const char* operation) const;

  // Queues work for the loop and returns at once.
  void post(Task task, TaskKind kind = TaskKind::Posted);

  // The synchronous hand-over: runs `task` on the user-interface thread and
  // waits for it; gives back its result, or rethrows what it threw. On the
  // user-interface thread itself the task runs at once.
  //
  // `stop` is the caller's stop request (a Logo process passes the token of
  // its stop source, which it requests when it is told to stop). When the
  // stop comes while the task still waits in the queue, the task is
  // withdrawn, never runs, and HandOverStopped is thrown at once. When the
  // task has already started, the caller waits for it as usual: the task may
  // use the caller's variables, which is why it may capture by reference. A
  // task that can run long (a modal dialog running a loop of its own) should
  // watch the same token and end itself. HandOverStopped is also thrown when
  // the user-interface thread no longer takes hand-overs (refuseHandOvers).
  //
  // The caller keeps whatever locks it holds while it waits (a process keeps
  // the interpreter lock): the task must not need them.
  template <class F>
  std::invoke_result_t<F&> runOnUiThread(F&& task, std::stop_token stop = {});

  // Runs the loop until `done` answers true (checked before every step),
  // the deadline passes or quit() is called, attending to the kinds in
  // `serve`. `done` runs on this thread; another thread that changes what it
  // looks at must call wake(). The loop may be entered again from work it
  // runs (a modal loop); quit() ends every level. An exception thrown by
  // posted work or a timer callback leaves the run that ran it.
  RunEnd runUntil(const std::function<bool()>& done, SteadyTime deadline = SteadyTime::max(),
                  Serve serve = Serve::Everything);
  RunEnd runFor(std::chrono::milliseconds time, Serve serve = Serve::Everything);
  // Runs until quit().
  RunEnd run();
  // Runs the work that is queued and the timers that are due now, without
  // waiting for more.
  void runPending(Serve serve = Serve::Everything);

  // Makes the running loop return (every nested level); a quit that comes
  // while no loop runs ends the next one at once. Any thread.
  void quit();
  // Makes a sleeping loop look at its queue and its `done` condition again.
  void wake();

  // How much work waits in the queue, hand-overs included (withdrawn ones
  // may still be counted until the loop passes them).
  size_t pendingTasks() const;

  // From now on every hand-over, waiting or new, ends in HandOverStopped
  // without running; the program is ending. Posted work is not affected.
  void refuseHandOvers();

  // Timers whose callbacks run on this thread. A one-shot timer is
  // forgotten after it fired. After killTimer returns on the user-interface
  // thread the callback never runs again; from another thread, a callback
  // that has already started may still finish.
  TimerId setTimer(std::chrono::milliseconds interval, TimerRepeat repeat, TimerCallback callback);
  bool killTimer(TimerId id);

 private:
  struct Queued {
    TaskKind kind;
    Task task;                           // plain work, or
    std::shared_ptr<HandOver> handOver;  // a hand-over
  };

  void handOver(std::function<void()> work, std::stop_token stop);
  bool runOneTask(Serve serve);
  bool fireOneTimer(Serve serve);
  std::optional<Queued> takeTask(Serve serve);
  SteadyTime wakeTime(SteadyTime deadline, Serve serve);

  const std::thread::id owner_;
  std::unique_ptr<EventWaiter> waiter_;
  mutable std::mutex mutex_;
  std::deque<Queued> queue_;    // guarded by mutex_
  TimerQueue timers_;           // guarded by mutex_
  bool quitRequested_ = false;  // guarded by mutex_
  bool refusing_ = false;       // guarded by mutex_
  int depth_ = 0;               // nesting of running loops; this thread only
};

template <class F>
std::invoke_result_t<F&> UiThread::runOnUiThread(F&& task, std::stop_token stop) {
  using Result = std::invoke_result_t<F&>;
  static_assert(!std::is_reference_v<Result>,
                "hand over values, not references into the user-interface thread");
  if (isCurrent()) return std::invoke(task);
  if constexpr (std::is_void_v<Result>) {
    handOver([&task] { std::invoke(task); }, std::move(stop));
  } else {
    std::optional<Result> result;
    handOver([&task, &result] { result.emplace(std::invoke(task)); }, std::move(stop));
    return std::move(*result);
  }
}

}  // namespace lx
