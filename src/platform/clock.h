// The program's millisecond clock: monotonic, unaffected by changes of the
// wall-clock time.
#pragma once

#include <chrono>
#include <cstdint>

namespace lx {

using SteadyTime = std::chrono::steady_clock::time_point;

// Milliseconds since an arbitrary fixed moment (the machine's start); never
// goes backwards. The stopwatches of `timer`, the time stamps of recorded
// sound and the user-interface timers all read this clock.
uint64_t tickCount();

// The moment `milliseconds` from now, on the same clock.
SteadyTime afterMilliseconds(int64_t milliseconds);

}  // namespace lx
