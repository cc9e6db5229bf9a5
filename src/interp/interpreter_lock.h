// The interpreter lock: at most one thread runs Logo code at a time. It is a
// ticket lock, so that threads get it in the order they asked for it, and
// it is time-sliced: a holder that only passes yield points keeps it until
// the first waiter has watched it hold the lock for a whole slice, then
// hands it over at its next yield point. Busy processes thus take turns of
// a slice each (fair, and with the throughput of one), while a holder that
// waits for anything gives the lock up at once. Values are reference counted
// without atomics; the lock is what makes that safe.
//
// Holding the lock is proved by a LockToken: taking the lock fills the token
// with its ticket, giving it up empties it. Who keeps which token (a process,
// a scope of a thread that is no process) is the scheduler's business.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace lx {

class LockToken {
 public:
  LockToken() = default;
  // A token is given back before it goes: dropping a held lock would leave
  // every other thread waiting for ever.
  ~LockToken();
  LockToken(const LockToken&) = delete;
  LockToken& operator=(const LockToken&) = delete;

  bool held() const { return ticket_ != kNoTicket; }

 private:
  friend class InterpreterLock;
  friend class Scheduler;
  friend class HandOverHold;
  static constexpr uint64_t kNoTicket = ~uint64_t{0};

  uint64_t ticket_ = kNoTicket;  // the ticket being served while held
  int handOverHolds_ = 0;        // scopes in which yields keep the lock (HandOverHold)
};

class InterpreterLock {
 public:
  // The slice a holder keeps the lock at yield points while others wait.
  static constexpr std::chrono::microseconds kDefaultSlice{1000};

  InterpreterLock() = default;
  InterpreterLock(const InterpreterLock&) = delete;
  InterpreterLock& operator=(const InterpreterLock&) = delete;

  // Waits for the calling thread's turn, in arrival order, and fills `token`.
  void lock(LockToken& token);
  // The same for a thread that must go on with other work while it waits
  // (the user-interface thread serves hand-overs): `whileWaiting` runs
  // again and again until the turn comes, and should not take long.
  void lock(LockToken& token, const std::function<void()>& whileWaiting);
  // Takes the lock only when it is free this moment.
  bool tryLock(LockToken& token);
  // Passes the lock to the next waiter, if any, and empties the token.
  void unlock(LockToken& token);

  // Whether some holder has been asked to hand the lock over: the one
  // relaxed load a yield point spends on the lock.
  bool handOverAsked() const { return askedOf_.load(std::memory_order_relaxed) != LockToken::kNoTicket; }
  // Whether the holder of `token` has been asked to; forgets a request
  // meant for an earlier holder.
  bool handOverDue(const LockToken& token);
  // Whether a thread waits for the lock now (a hint; it may change at once).
  bool contended() const;
  // How many threads wait for the lock now (a hint, like `contended`).
  uint32_t waiting() const;

  // The slice; benchmarks try others. Any thread, any time.
  void setSlice(std::chrono::microseconds slice) { slice_.store(slice.count(), std::memory_order_relaxed); }
  std::chrono::microseconds slice() const {
    return std::chrono::microseconds(slice_.load(std::memory_order_relaxed));
  }

 private:
  // Each waiter sleeps on the slot of its ticket, so a hand-over wakes the
  // next waiter (and the one after it, which starts timing the new holder)
  // and, past kSlots waiters, the few sharing their slots.
  static constexpr uint32_t kSlots = 64;

  // The first waiter in line watches the holder: how long it has seen the
  // same ticket served.
  struct HolderWatch {
    uint32_t watched = 0;
    bool watching = false;
    bool asked = false;  // it asked the watched holder to hand over
    std::chrono::steady_clock::time_point since;
  };
  // How long the first waiter stays awake after it asked for the lock.
  static constexpr std::chrono::microseconds kSpinForHandOver{100};

  uint32_t drawTicket(LockToken& token);
  void waitForTurn(uint32_t ticket);
  // For the first waiter: asks the holder to hand over once its slice is
  // up; answers until when the waiter should sleep before looking again.
  std::chrono::steady_clock::time_point watchHolder(HolderWatch& watch, uint32_t served, uint32_t ticket);
  std::chrono::steady_clock::time_point heldSince(uint32_t served,
                                                  std::chrono::steady_clock::time_point now) const;
  static uint32_t microsecondStamp(std::chrono::steady_clock::time_point time);
  bool spinForHandOver(uint32_t ticket);
  void wake(uint32_t ticket);

  std::atomic<uint32_t> next_{0};     // the ticket the next arrival draws
  std::atomic<uint32_t> serving_{0};  // the ticket that holds the lock
  std::array<std::atomic<uint32_t>, kSlots> slots_{};
  // The ticket the lock was last handed over to (high half) and when, in
  // microseconds of the steady clock (low half, wrapping).
  std::atomic<uint64_t> handedOver_{0};
  // The ticket of the holder the first waiter asked to hand over, or none.
  std::atomic<uint64_t> askedOf_{LockToken::kNoTicket};
  std::atomic<int64_t> slice_{kDefaultSlice.count()};  // microseconds
};

}  // namespace lx
