// Word waits on Linux: futexes, timed by the monotonic clock that
// std::chrono::steady_clock reads.
#include "platform/address_wait.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <ctime>

namespace lx {
namespace {

static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t), "a futex is a plain 32-bit word");

uint32_t* address(const std::atomic<uint32_t>& word) {
  return reinterpret_cast<uint32_t*>(const_cast<std::atomic<uint32_t>*>(&word));
}

timespec monotonicTime(SteadyTime time) {
  const auto since = time.time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
  const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds);
  return timespec{static_cast<time_t>(seconds.count()), static_cast<long>(nanos.count())};
}

}  // namespace

void waitOnWord(const std::atomic<uint32_t>& word, uint32_t expected, SteadyTime deadline) {
  if (deadline == SteadyTime::max()) {
    syscall(SYS_futex, address(word), FUTEX_WAIT_PRIVATE, expected, nullptr, nullptr, 0);
    return;
  }
  // FUTEX_WAIT_BITSET takes an absolute time on the monotonic clock.
  const timespec until = monotonicTime(deadline);
  syscall(SYS_futex, address(word), FUTEX_WAIT_BITSET_PRIVATE, expected, &until, nullptr,
          FUTEX_BITSET_MATCH_ANY);
}

void wakeWord(std::atomic<uint32_t>& word) {
  syscall(SYS_futex, address(word), FUTEX_WAKE_PRIVATE, INT32_MAX, nullptr, nullptr, 0);
}

}  // namespace lx
