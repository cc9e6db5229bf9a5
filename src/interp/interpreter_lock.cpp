// The fair interpreter lock.
#include "interp/interpreter_lock.h"

#include <cassert>

#include "platform/platform.h"
#include "platform/ui_thread.h"

namespace lx {
namespace {

thread_local bool holding = false;

}  // namespace

void InterpreterLock::lock() {
  assert(!holding && "the interpreter lock is not recursive");
  const uint32_t ticket = next_.fetch_add(1);
  if (serving_.load() != ticket) waitForTurn(ticket);
  holding = true;
}

void InterpreterLock::lock(const std::function<void()>& whileWaiting) {
  assert(!holding && "the interpreter lock is not recursive");
  const uint32_t ticket = next_.fetch_add(1);
  while (serving_.load() != ticket) whileWaiting();
  holding = true;
}

bool InterpreterLock::tryLock() {
  assert(!holding);
  uint32_t free = serving_.load();
  if (!next_.compare_exchange_strong(free, free + 1)) return false;
  holding = true;
  return true;
}

void InterpreterLock::unlock() {
  assert(holding);
  holding = false;
  const uint32_t now = serving_.fetch_add(1) + 1;
  // Both counters are sequentially consistent: a thread that drew its ticket
  // after this load sees the new serving number and never sleeps, so the
  // wake-up can be skipped when nobody had a ticket yet.
  if (next_.load() == now) return;
  std::atomic<uint32_t>& slot = slots_[now % kSlots];
  slot.store(now);
  slot.notify_all();
}

void InterpreterLock::yield() {
  if (!contended()) return;
  unlock();
  lock();
}

bool InterpreterLock::heldHere() {
  return holding;
}

bool InterpreterLock::contended() const {
  return next_.load(std::memory_order_relaxed) - serving_.load(std::memory_order_relaxed) > 1;
}

void InterpreterLock::waitForTurn(uint32_t ticket) {
  std::atomic<uint32_t>& slot = slots_[ticket % kSlots];
  for (;;) {
    const uint32_t seen = slot.load();
    if (serving_.load() == ticket) return;
    // The unlocker stores the ticket into the slot after it advanced the
    // serving number, so the value differs from `seen` once it is our turn.
    slot.wait(seen);
  }
}

InterpreterLock& interpreterLock() {
  static InterpreterLock lock;
  return lock;
}

InterpreterLockScope::InterpreterLockScope() : took_(!InterpreterLock::heldHere()) {
  if (!took_) return;
  if (startedPlatform() && uiThread().isCurrent()) {
    interpreterLock().lock([] { uiThread().runFor(std::chrono::milliseconds(1), Serve::HandOvers); });
  } else {
    interpreterLock().lock();
  }
}

InterpreterLockScope::~InterpreterLockScope() {
  if (took_) interpreterLock().unlock();
}

BorrowedInterpreterLock::BorrowedInterpreterLock(bool lenderHolds) : previous_(holding) {
  holding = holding || lenderHolds;
}

BorrowedInterpreterLock::~BorrowedInterpreterLock() { holding = previous_; }

InterpreterUnlockScope::InterpreterUnlockScope() : released_(InterpreterLock::heldHere()) {
  if (released_) interpreterLock().unlock();
}

InterpreterUnlockScope::~InterpreterUnlockScope() {
  if (released_) interpreterLock().lock();
}

}  // namespace lx
