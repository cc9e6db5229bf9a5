// The interpreter lock: threads get it in the order they asked, a yield
// lets every earlier arrival in first, and a yield nobody waits for keeps
// the lock.
#include "interp/interpreter_lock.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

namespace lx {
namespace {

// Waits (without the lock) until some thread waits for it.
void waitForAWaiter(InterpreterLock& lock) {
  while (!lock.contended()) std::this_thread::yield();
}

TEST(InterpreterLock, AYieldLetsTheWaitersInInArrivalOrder) {
  InterpreterLock lock;
  std::mutex orderMutex;
  std::vector<int> order;
  const auto record = [&](int who) {
    std::lock_guard guard(orderMutex);
    order.push_back(who);
  };
  lock.lock();
  std::thread first([&] {
    lock.lock();
    record(1);
    lock.unlock();
  });
  waitForAWaiter(lock);
  std::thread second([&] {
    lock.lock();
    record(2);
    lock.unlock();
  });
  // The second thread has drawn its ticket once it sleeps; give it time.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  lock.yield();
  record(0);
  lock.unlock();
  first.join();
  second.join();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 0}));
}

TEST(InterpreterLock, AnUncontendedYieldKeepsTheLock) {
  InterpreterLock lock;
  lock.lock();
  EXPECT_FALSE(lock.contended());
  lock.yield();
  EXPECT_TRUE(InterpreterLock::heldHere());
  std::thread other([&] { EXPECT_FALSE(lock.tryLock()); });
  other.join();
  lock.unlock();
  EXPECT_FALSE(InterpreterLock::heldHere());
  std::thread again([&] {
    EXPECT_TRUE(lock.tryLock());
    lock.unlock();
  });
  again.join();
}

TEST(InterpreterLock, ManyThreadsTakingTurnsAllFinishAndNeverOverlap) {
  InterpreterLock lock;
  int inside = 0;
  bool overlapped = false;
  long total = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      lock.lock();
      for (int i = 0; i < 2000; ++i) {
        if (++inside > 1) overlapped = true;
        ++total;
        --inside;
        lock.yield();
      }
      lock.unlock();
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_FALSE(overlapped);
  EXPECT_EQ(total, 16000);
}

}  // namespace
}  // namespace lx
