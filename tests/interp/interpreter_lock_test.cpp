// The interpreter lock: threads get it in the order they asked, a hand-over
// lets every earlier arrival in first, a holder is asked to hand over only
// once someone has waited a slice for it, and the scheduler knows which
// thread holds it, also while work borrows the hold.
#include "interp/interpreter_lock.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "interp/scheduler.h"

namespace lx {
namespace {

using namespace std::chrono_literals;

// Waits (without the lock) until some thread waits for it.
void waitForAWaiter(InterpreterLock& lock) {
  while (!lock.contended()) std::this_thread::yield();
}

TEST(InterpreterLock, AHandOverLetsTheWaitersInInArrivalOrder) {
  InterpreterLock lock;
  std::mutex orderMutex;
  std::vector<int> order;
  const auto record = [&](int who) {
    std::lock_guard guard(orderMutex);
    order.push_back(who);
  };
  LockToken mine;
  lock.lock(mine);
  std::thread first([&] {
    LockToken token;
    lock.lock(token);
    record(1);
    lock.unlock(token);
  });
  waitForAWaiter(lock);
  std::thread second([&] {
    LockToken token;
    lock.lock(token);
    record(2);
    lock.unlock(token);
  });
  while (lock.waiting() < 2) std::this_thread::yield();
  // The first waiter asks for the lock once it has waited a slice.
  while (!lock.handOverDue(mine)) std::this_thread::yield();
  lock.unlock(mine);
  lock.lock(mine);
  record(0);
  lock.unlock(mine);
  first.join();
  second.join();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 0}));
}

TEST(InterpreterLock, NobodyAsksAnUncontendedHolderToHandOver) {
  InterpreterLock lock;
  LockToken mine;
  lock.lock(mine);
  EXPECT_FALSE(lock.contended());
  std::this_thread::sleep_for(2 * lock.slice());
  EXPECT_FALSE(lock.handOverAsked());
  EXPECT_FALSE(lock.handOverDue(mine));
  std::thread other([&] {
    LockToken token;
    EXPECT_FALSE(lock.tryLock(token));
  });
  other.join();
  lock.unlock(mine);
  EXPECT_FALSE(mine.held());
  std::thread again([&] {
    LockToken token;
    EXPECT_TRUE(lock.tryLock(token));
    lock.unlock(token);
  });
  again.join();
}

TEST(InterpreterLock, ARequestMeantForAnEarlierHolderIsForgotten) {
  InterpreterLock lock;
  lock.setSlice(0us);
  LockToken first;
  lock.lock(first);
  std::thread waiter([&] {
    LockToken token;
    lock.lock(token);
    lock.unlock(token);
  });
  while (!lock.handOverAsked()) std::this_thread::yield();
  lock.unlock(first);
  waiter.join();
  // The request named the first holder's ticket, not this one's.
  LockToken later;
  lock.lock(later);
  EXPECT_FALSE(lock.handOverDue(later));
  EXPECT_FALSE(lock.handOverAsked());
  lock.unlock(later);
}

TEST(InterpreterLock, ManyThreadsTakingTurnsAllFinishAndNeverOverlap) {
  InterpreterLock lock;
  lock.setSlice(50us);
  int inside = 0;
  bool overlapped = false;
  long total = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      LockToken token;
      lock.lock(token);
      for (int i = 0; i < 2000; ++i) {
        if (++inside > 1) overlapped = true;
        ++total;
        --inside;
        if (lock.handOverDue(token)) {
          lock.unlock(token);
          lock.lock(token);
        }
      }
      lock.unlock(token);
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_FALSE(overlapped);
  EXPECT_EQ(total, 16000);
}

TEST(Scheduler, KnowsWhichThreadHoldsTheLockAlsoThroughALoan) {
  EXPECT_FALSE(scheduler().holdsLock());
  InterpreterLockScope locked;
  EXPECT_TRUE(scheduler().holdsLock());
  const LockLoan loan = LockLoan::ofThisThread();
  bool borrowerHolds = false;
  std::thread borrower([&] {
    EXPECT_FALSE(scheduler().holdsLock());
    {
      BorrowedLock borrowed(loan);
      borrowerHolds = scheduler().holdsLock();
    }
    EXPECT_FALSE(scheduler().holdsLock());
  });
  borrower.join();
  EXPECT_TRUE(borrowerHolds);
  EXPECT_TRUE(scheduler().holdsLock());
}

// A wait inside borrowed work gives the lender's token up and takes it back
// on the borrowing thread; the hold then returns to the lender whole.
TEST(Scheduler, AWaitInBorrowedWorkLetsOthersInAndReturnsTheHold) {
  InterpreterLockScope locked;
  const LockLoan loan = LockLoan::ofThisThread();
  bool otherRan = false;
  std::thread borrower([&] {
    BorrowedLock borrowed(loan);
    std::thread other([&] {
      InterpreterLockScope theirs;
      otherRan = true;
    });
    {
      LockReleased released;
      other.join();
    }
    EXPECT_TRUE(scheduler().holdsLock());
  });
  borrower.join();
  EXPECT_TRUE(otherRan);
  EXPECT_TRUE(scheduler().holdsLock());
}

}  // namespace
}  // namespace lx
