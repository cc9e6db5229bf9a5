// The animation thread and its lock.
#include "graphics/shape_animator.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/clock.h"

namespace lx {
namespace {

constexpr uint64_t kLongestSleep = 60'000;

struct Animator {
  std::mutex lock;               // guards everything below
  std::condition_variable wake;  // a new earliest plan, or the end
  ShapeSchedule schedule;
  std::thread thread;
  bool stopping = false;
  uint64_t (*clock)() = tickCount;
  bool manual = false;  // tests drive the schedule themselves

  ~Animator() { stop(); }

  void stop() {
    {
      std::lock_guard held(lock);
      stopping = true;
    }
    wake.notify_all();
    if (thread.joinable()) thread.join();
    std::lock_guard held(lock);
    stopping = false;
  }

  void run() {
    std::unique_lock held(lock);
    while (!stopping) {
      const uint64_t now = clock();
      schedule.runDue(now);
      const uint64_t until = schedule.nextDue().value_or(now + kLongestSleep);
      const uint64_t sleep = std::min(until > now ? until - now : 0, kLongestSleep);
      if (sleep > 0) wake.wait_for(held, std::chrono::milliseconds(sleep));
    }
  }

  // With the lock held: starts the thread with the first plan.
  void ensureThread() {
    if (!manual && !thread.joinable()) thread = std::thread([this] { run(); });
  }
};

Animator& animator() {
  static Animator instance;
  return instance;
}

}  // namespace

void scheduleShape(AnimatedShape& shape, uint64_t delay) {
  Animator& a = animator();
  {
    std::lock_guard held(a.lock);
    const uint64_t now = a.clock();
    const std::optional<uint64_t> before = a.schedule.nextDue();
    a.schedule.plan(shape, now + std::max(delay, kLeastCellDelay), now);
    a.ensureThread();
    if (before == a.schedule.nextDue()) return;
  }
  a.wake.notify_all();
}

void cancelShape(AnimatedShape& shape) {
  Animator& a = animator();
  std::lock_guard held(a.lock);
  a.schedule.drop(shape);
}

bool shapeScheduled(const AnimatedShape& shape) {
  Animator& a = animator();
  std::lock_guard held(a.lock);
  return a.schedule.planned(shape);
}

void animationPageChanged(const void* hidden, const void* shown) {
  Animator& a = animator();
  {
    std::lock_guard held(a.lock);
    a.schedule.pageChanged(hidden, shown, a.clock());
  }
  a.wake.notify_all();
}

void stopShapeAnimation() {
  animator().stop();
}

void useAnimationClock(uint64_t (*clock)()) {
  Animator& a = animator();
  a.stop();
  std::lock_guard held(a.lock);
  a.manual = clock != nullptr;
  a.clock = clock ? clock : tickCount;
}

void runAnimationsDue() {
  Animator& a = animator();
  std::lock_guard held(a.lock);
  a.schedule.runDue(a.clock());
}

}  // namespace lx
