// Running work on a thread with a large stack. Logo code nests deeply
// (ten thousand instruction lists before the depth limit), deeper than the
// main thread's stack allows.
#pragma once

#include <cstddef>
#include <functional>

namespace lx {

inline constexpr size_t kLogoStackBytes = size_t{256} << 20;

// A thread with a large stack, started at construction and joined by
// join() (or at destruction). An exception thrown by the work is thrown
// again by join().
class LargeStackThread {
 public:
  explicit LargeStackThread(std::function<void()> work, size_t stackBytes = kLogoStackBytes);
  ~LargeStackThread();
  LargeStackThread(const LargeStackThread&) = delete;
  LargeStackThread& operator=(const LargeStackThread&) = delete;
  void join();

 private:
  struct State;
  State* state_;
};

// Runs `work` on a new thread with a stack of `stackBytes` and waits for it.
// An exception thrown by `work` is thrown again here.
void runOnLargeStack(const std::function<void()>& work, size_t stackBytes = kLogoStackBytes);

}  // namespace lx
