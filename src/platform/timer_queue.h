// The timers of the user-interface thread: which one is due next, and the
// bookkeeping of one-shot and repeating timers. Not synchronised on its own;
// the user-interface loop guards it with its lock.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace lx {

using TimerId = uint32_t;  // 0 is never a timer
using TimerCallback = std::function<void()>;

enum class TimerRepeat { Once, Repeating };

class TimerQueue {
 public:
  // Adds a timer first due one interval after `now`. Intervals below one
  // millisecond count as one, so a repeating timer cannot spin the loop.
  TimerId add(std::chrono::milliseconds interval, TimerRepeat repeat, TimerCallback callback, SteadyTime now);
  // Forgets the timer; false when there was none with that id.
  bool remove(TimerId id);
  // When the earliest timer is due, if there is any.
  std::optional<SteadyTime> nextDue() const;
  // Takes the earliest timer due at `now` (the one set first among equals)
  // and gives its callback, or none when no timer is due. A one-shot timer
  // leaves the queue; a repeating one is due again one interval after it
  // was due, or one interval after `now` when the loop fell so far behind
  // that it would fire at once again: missed periods are dropped, not
  // caught up in a burst.
  std::shared_ptr<const TimerCallback> takeDue(SteadyTime now);
  size_t size() const { return timers_.size(); }

 private:
  struct Timer {
    TimerId id;
    std::chrono::milliseconds interval;
    TimerRepeat repeat;
    SteadyTime due;
    std::shared_ptr<const TimerCallback> callback;  // shared so that firing does not copy it
  };
  std::vector<Timer> timers_;  // few at a time; searched linearly
  TimerId lastId_ = 0;
};

}  // namespace lx
