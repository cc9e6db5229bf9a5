// The interpreter lock: at most one thread runs Logo code at a time. It is a
// ticket lock, so that threads get it in the order they asked for it: a
// process that yields while others wait queues up behind them instead of
// taking the lock straight back. Values are reference counted without
// atomics; the lock is what makes that safe.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

namespace lx {

class InterpreterLock {
 public:
  InterpreterLock() = default;
  InterpreterLock(const InterpreterLock&) = delete;
  InterpreterLock& operator=(const InterpreterLock&) = delete;

  // Waits for the calling thread's turn, in arrival order.
  void lock();
  // The same for a thread that must go on with other work while it waits
  // (the user-interface thread serves hand-overs): `whileWaiting` runs
  // again and again until the turn comes, and should not take long.
  void lock(const std::function<void()>& whileWaiting);
  // Takes the lock only when it is free this moment.
  bool tryLock();
  // Passes the lock to the next waiter, if any.
  void unlock();
  // The yield point: when another thread waits, lets it (and everyone who
  // arrived before this call) run first, then takes the lock back. Without
  // a waiter it costs two atomic loads.
  void yield();

  // Whether the calling thread holds the lock.
  static bool heldHere();
  // Whether a thread waits for the lock now (a hint; it may change at once).
  bool contended() const;

 private:
  // Each waiter sleeps on the slot of its ticket, so a hand-over wakes the
  // next waiter alone (and, past kSlots waiters, a few sharing its slot).
  static constexpr uint32_t kSlots = 64;

  void waitForTurn(uint32_t ticket);

  std::atomic<uint32_t> next_{0};     // the ticket the next arrival draws
  std::atomic<uint32_t> serving_{0};  // the ticket that holds the lock
  std::array<std::atomic<uint32_t>, kSlots> slots_{};
};

// The one interpreter lock of the program.
InterpreterLock& interpreterLock();

// Holds the interpreter lock for the scope unless the thread holds it
// already. The user-interface thread keeps serving hand-overs while it waits
// for its turn: the holder may be waiting for one.
class InterpreterLockScope {
 public:
  InterpreterLockScope();
  ~InterpreterLockScope();
  InterpreterLockScope(const InterpreterLockScope&) = delete;
  InterpreterLockScope& operator=(const InterpreterLockScope&) = delete;

 private:
  bool took_;
};

// Work that the lock's holder hands over to the user-interface thread runs
// there while the holder waits for it: the work borrows the holder's lock for
// its duration, so that what it starts (an event it raises, say) does not
// wait for a lock its own requester holds.
class BorrowedInterpreterLock {
 public:
  explicit BorrowedInterpreterLock(bool lenderHolds);
  ~BorrowedInterpreterLock();
  BorrowedInterpreterLock(const BorrowedInterpreterLock&) = delete;
  BorrowedInterpreterLock& operator=(const BorrowedInterpreterLock&) = delete;

 private:
  bool previous_;
};

// Releases the interpreter lock for the scope (a wait) and takes it back at
// its end; does nothing on a thread that does not hold it.
class InterpreterUnlockScope {
 public:
  InterpreterUnlockScope();
  ~InterpreterUnlockScope();
  InterpreterUnlockScope(const InterpreterUnlockScope&) = delete;
  InterpreterUnlockScope& operator=(const InterpreterUnlockScope&) = delete;

 private:
  bool released_;
};

}  // namespace lx
