// Sleeping on a 32-bit word until another thread changes it, with a time
// limit: what the interpreter lock's waiters do. C++20's atomic wait has no
// time limit, which the waiter that times the holder's slice needs.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/clock.h"

namespace lx {

// Sleeps while `word` holds `expected`, until woken or the deadline
// (SteadyTime::max() waits without one). May return early or spuriously:
// the caller looks at what it waits for again.
void waitOnWord(const std::atomic<uint32_t>& word, uint32_t expected,
                SteadyTime deadline = SteadyTime::max());

// Wakes every thread sleeping on `word`.
void wakeWord(std::atomic<uint32_t>& word);

}  // namespace lx
