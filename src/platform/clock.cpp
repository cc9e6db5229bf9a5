// The program's millisecond clock.
#include "platform/clock.h"

namespace lx {

uint64_t tickCount() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

SteadyTime afterMilliseconds(int64_t milliseconds) {
  return std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

}  // namespace lx
