// The program's millisecond clock: monotonic, unaffected by changes of the
// wall-clock time. Tests may replace it by a manual clock that moves only
// when they advance it, so that `wait`, `every`/`after`, timers and delays
// are checked by the order of events instead of by sleeping.
#pragma once

#include <chrono>
#include <cstdint>

namespace lx {

using SteadyTime = std::chrono::steady_clock::time_point;

// Now, on the program's clock.
SteadyTime clockNow();

// Milliseconds since an arbitrary fixed moment (the machine's start); never
// goes backwards. The stopwatches of `timer`, the time stamps of recorded
// sound and the user-interface timers all read this clock.
uint64_t tickCount();

// The moment `milliseconds` from now, on the same clock.
SteadyTime afterMilliseconds(int64_t milliseconds);

// How long a thread waiting for `deadline` (on the program's clock) may
// sleep on the real clock before it looks again: the deadline itself, or,
// under a manual clock, a millisecond, since only the test moves the time.
SteadyTime realWakeTime(SteadyTime deadline);

// Whether a manual clock stands in for the real one now.
bool clockIsManual();

// While one exists, the program's clock stands still except when advanced.
// It starts at the real time it was made; one at a time, made and destroyed
// by the test's thread while the program's threads may read the clock.
class ManualClock {
 public:
  ManualClock();
  ~ManualClock();
  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;

  void advance(std::chrono::milliseconds step);
};

}  // namespace lx
