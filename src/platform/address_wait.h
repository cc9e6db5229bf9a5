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

// Tells the processor that the thread spins on a word (cheaper for the
// other hardware thread of the core); gives no processor time away.
inline void spinPause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

}  // namespace lx
