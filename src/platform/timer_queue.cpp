// The timers of the user-interface thread.
#include "platform/timer_queue.h"

#include <algorithm>

namespace lx {

TimerId TimerQueue::add(std::chrono::milliseconds interval, TimerRepeat repeat, TimerCallback callback,
                        SteadyTime now) {
  interval = std::max(interval, std::chrono::milliseconds(1));
  if (++lastId_ == 0) ++lastId_;  // after 2^32 timers the ids wrap; 0 stays unused
  timers_.push_back({lastId_, interval, repeat, now + interval,
                     std::make_shared<const TimerCallback>(std::move(callback))});
  return lastId_;
}

bool TimerQueue::remove(TimerId id) {
  const auto found =
      std::find_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
  if (found == timers_.end()) return false;
  timers_.erase(found);
  return true;
}

std::optional<SteadyTime> TimerQueue::nextDue() const {
  if (timers_.empty()) return std::nullopt;
  return std::min_element(timers_.begin(), timers_.end(),
                          [](const Timer& a, const Timer& b) { return a.due < b.due; })
      ->due;
}

std::shared_ptr<const TimerCallback> TimerQueue::takeDue(SteadyTime now) {
  // Timers keep the order in which they were set, so the first of several
  // with the same due time is the one set first.
  auto earliest = timers_.end();
  for (auto t = timers_.begin(); t != timers_.end(); ++t) {
    if (t->due <= now && (earliest == timers_.end() || t->due < earliest->due)) earliest = t;
  }
  if (earliest == timers_.end()) return nullptr;
  auto callback = earliest->callback;
  if (earliest->repeat == TimerRepeat::Once) {
    timers_.erase(earliest);
  } else {
    earliest->due += earliest->interval;
    if (earliest->due <= now) earliest->due = now + earliest->interval;
  }
  return callback;
}

}  // namespace lx
