// The user-interface loop: its queue, its timers and the hand-over.
#include "platform/ui_thread.h"

#include <cstdio>
#include <cstdlib>

namespace lx {
namespace {

Serve servedAs(TaskKind kind) {
  switch (kind) {
    case TaskKind::HandOver:
      return Serve::HandOvers;
    case TaskKind::MouseInput:
      return Serve::MouseInput;
    case TaskKind::KeyInput:
      return Serve::KeyInput;
    case TaskKind::Paint:
      return Serve::Paint;
    case TaskKind::Posted:
      return Serve::Posted;
  }
  return Serve::Posted;
}

}  // namespace

UiThread::UiThread(std::unique_ptr<EventWaiter> waiter)
    : owner_(std::this_thread::get_id()),
      waiter_(waiter ? std::move(waiter) : std::make_unique<BlockingWaiter>()) {}

UiThread::~UiThread() {
  refuseHandOvers();
}

// Running the loop elsewhere would break every promise of this class and
// fail far from the cause, so the check is not left to assert().
void UiThread::requireCurrent(const char* operation) const {
  if (isCurrent()) return;
  std::fprintf(stderr, "internal error: %s called outside the user-interface thread\n", operation);
  std::abort();
}

void UiThread::post(Task task, TaskKind kind) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back({kind, std::move(task), nullptr});
  }
  waiter_->wake();
}

void UiThread::handOver(std::function<void()> work, std::stop_token stop) {
  if (stop.stop_requested()) throw HandOverStopped();
  auto state = std::make_shared<HandOver>(std::move(work));
  {
    std::lock_guard lock(mutex_);
    if (refusing_) {
      state->refuse();
    } else {
      queue_.push_back({TaskKind::HandOver, nullptr, state});
    }
  }
  waiter_->wake();
  state->wait(std::move(stop));
}

void UiThread::refuseHandOvers() {
  std::lock_guard lock(mutex_);
  refusing_ = true;
  std::erase_if(queue_, [](const Queued& q) {
    if (q.handOver) q.handOver->refuse();
    return q.handOver != nullptr;
  });
}

void UiThread::quit() {
  {
    std::lock_guard lock(mutex_);
    quitRequested_ = true;
  }
  waiter_->wake();
}

void UiThread::wake() {
  waiter_->wake();
}

size_t UiThread::pendingTasks() const {
  std::lock_guard lock(mutex_);
  return queue_.size();
}

TimerId UiThread::setTimer(std::chrono::milliseconds interval, TimerRepeat repeat, TimerCallback callback) {
  TimerId id;
  {
    std::lock_guard lock(mutex_);
    id = timers_.add(interval, repeat, std::move(callback), clockNow());
  }
  waiter_->wake();  // a sleeping loop must shorten its sleep to the new timer
  return id;
}

bool UiThread::killTimer(TimerId id) {
  std::lock_guard lock(mutex_);
  return timers_.remove(id);
}

std::optional<UiThread::Queued> UiThread::takeTask(Serve serve) {
  std::lock_guard lock(mutex_);
  for (auto q = queue_.begin(); q != queue_.end(); ++q) {
    if (!serves(serve, servedAs(q->kind))) continue;
    Queued taken = std::move(*q);
    queue_.erase(q);
    return taken;
  }
  return std::nullopt;
}

bool UiThread::runOneTask(Serve serve) {
  auto taken = takeTask(serve);
  if (!taken) return false;
  if (taken->handOver) {
    taken->handOver->run();
  } else {
    taken->task();
  }
  return true;
}

bool UiThread::fireOneTimer(Serve serve) {
  if (!serves(serve, Serve::Timers)) return false;
  std::shared_ptr<const TimerCallback> callback;
  {
    std::lock_guard lock(mutex_);
    callback = timers_.takeDue(clockNow());
  }
  if (!callback) return false;
  (*callback)();
  return true;
}

SteadyTime UiThread::wakeTime(SteadyTime deadline, Serve serve) {
  if (!serves(serve, Serve::Timers)) return deadline;
  std::lock_guard lock(mutex_);
  const auto due = timers_.nextDue();
  return due && *due < deadline ? *due : deadline;
}

// One step is one queued task and one due timer, so that neither a busy
// queue nor a fast timer shuts the other out. Work that throws leaves the
// run that ran it; the nesting count stays right on the way out.
RunEnd UiThread::runUntil(const std::function<bool()>& done, SteadyTime deadline, Serve serve) {
  requireCurrent("runUntil");
  ++depth_;
  struct Leave {
    UiThread& ui;
    ~Leave() {
      if (--ui.depth_ > 0) return;
      std::lock_guard lock(ui.mutex_);
      ui.quitRequested_ = false;  // the outermost run has ended: the quit is used up
    }
  } leave{*this};
  for (;;) {
    if (done && done()) return RunEnd::Done;
    {
      std::lock_guard lock(mutex_);
      if (quitRequested_) return RunEnd::Quit;
    }
    if (clockNow() >= deadline) return RunEnd::Deadline;
    const bool ranTask = runOneTask(serve);
    const bool firedTimer = fireOneTimer(serve);
    if (!ranTask && !firedTimer) {
      waiter_->waitUntil(wakeTime(deadline, serve));
    } else {
      waiter_->poll();
    }
  }
}

// A slice of real time, also under a manual clock: the interpreter lock
// serves hand-overs in such slices while it waits.
RunEnd UiThread::runFor(std::chrono::milliseconds time, Serve serve) {
  const SteadyTime end = std::chrono::steady_clock::now() + time;
  const RunEnd ended =
      runUntil([end] { return std::chrono::steady_clock::now() >= end; }, clockNow() + time, serve);
  return ended == RunEnd::Done ? RunEnd::Deadline : ended;
}

RunEnd UiThread::run() {
  return runUntil(nullptr);
}

void UiThread::runPending(Serve serve) {
  requireCurrent("runPending");
  waiter_->poll();
  size_t queued;
  {
    std::lock_guard lock(mutex_);
    queued = queue_.size();
  }
  for (size_t i = 0; i < queued && runOneTask(serve); ++i) {
  }
  // A repeating timer is due again at least a millisecond later than now,
  // so this ends even when a timer is set again and again.
  const auto now = clockNow();
  while (serves(serve, Serve::Timers)) {
    std::shared_ptr<const TimerCallback> callback;
    {
      std::lock_guard lock(mutex_);
      callback = timers_.takeDue(now);
    }
    if (!callback) break;
    (*callback)();
  }
}

}  // namespace lx
