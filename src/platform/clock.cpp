// The program's millisecond clock.
#include "platform/clock.h"

#include <atomic>
#include <cassert>

namespace lx {
namespace {

using std::chrono::steady_clock;

// The manual clock's time since the steady clock's epoch, in nanoseconds;
// negative while no manual clock is installed.
std::atomic<int64_t> manualTime{-1};

}  // namespace

SteadyTime clockNow() {
  const int64_t manual = manualTime.load(std::memory_order_acquire);
  if (manual < 0) return steady_clock::now();
  return SteadyTime(std::chrono::nanoseconds(manual));
}

uint64_t tickCount() {
  const auto since = clockNow().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

SteadyTime afterMilliseconds(int64_t milliseconds) {
  return clockNow() + std::chrono::milliseconds(milliseconds);
}

SteadyTime realWakeTime(SteadyTime deadline) {
  if (manualTime.load(std::memory_order_acquire) < 0 || deadline == SteadyTime::max()) return deadline;
  return steady_clock::now() + std::chrono::milliseconds(1);
}

bool clockIsManual() { return manualTime.load(std::memory_order_acquire) >= 0; }

ManualClock::ManualClock() {
  const int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(steady_clock::now().time_since_epoch()).count();
  [[maybe_unused]] const int64_t before = manualTime.exchange(now, std::memory_order_acq_rel);
  assert(before < 0 && "one manual clock at a time");
}

ManualClock::~ManualClock() {
  manualTime.store(-1, std::memory_order_release);
}

void ManualClock::advance(std::chrono::milliseconds step) {
  manualTime.fetch_add(std::chrono::duration_cast<std::chrono::nanoseconds>(step).count(), std::memory_order_acq_rel);
}

}  // namespace lx
