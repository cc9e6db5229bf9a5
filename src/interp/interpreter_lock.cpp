// The fair, time-sliced interpreter lock.
#include "interp/interpreter_lock.h"

#include <algorithm>
#include <cassert>

#include "platform/address_wait.h"

namespace lx {

using Clock = std::chrono::steady_clock;

LockToken::~LockToken() {
  assert(!held() && "a held interpreter lock must be given back");
}

uint32_t InterpreterLock::drawTicket(LockToken& token) {
  assert(!token.held() && "the interpreter lock is not recursive");
  const uint32_t ticket = next_.fetch_add(1);
  token.ticket_ = ticket;
  return ticket;
}

void InterpreterLock::lock(LockToken& token) {
  const uint32_t ticket = drawTicket(token);
  if (serving_.load() != ticket) waitForTurn(ticket);
}

void InterpreterLock::lock(LockToken& token, const std::function<void()>& whileWaiting) {
  const uint32_t ticket = drawTicket(token);
  HolderWatch watch;
  for (uint32_t served = serving_.load(); served != ticket; served = serving_.load()) {
    watchHolder(watch, served, ticket);
    whileWaiting();
  }
}

bool InterpreterLock::tryLock(LockToken& token) {
  assert(!token.held());
  uint32_t free = serving_.load();
  if (!next_.compare_exchange_strong(free, free + 1)) return false;
  token.ticket_ = free;
  return true;
}

void InterpreterLock::unlock(LockToken& token) {
  assert(token.held() && serving_.load(std::memory_order_relaxed) == token.ticket_);
  const uint32_t next = static_cast<uint32_t>(token.ticket_) + 1;
  token.ticket_ = LockToken::kNoTicket;
  // A waiter gets the lock: the moment is stamped for the waiter behind it,
  // which times the new holder's slice from it even when it wakes late.
  if (next_.load(std::memory_order_relaxed) != next)
    handedOver_.store(uint64_t{next} << 32 | microsecondStamp(Clock::now()), std::memory_order_relaxed);
  const uint32_t now = serving_.fetch_add(1) + 1;
  // Both counters are sequentially consistent: a thread that drew its ticket
  // after this load sees the new serving number and never sleeps, so the
  // wake-up can be skipped when nobody had a ticket yet.
  const uint32_t waiting = next_.load() - now;
  if (waiting == 0) return;
  wake(now);
  // The waiter behind the new holder now comes first and times its slice.
  if (waiting > 1) wake(now + 1);
}

bool InterpreterLock::handOverDue(const LockToken& token) {
  uint64_t asked = askedOf_.load(std::memory_order_relaxed);
  if (asked == LockToken::kNoTicket) return false;
  if (asked == token.ticket_) {
    askedOf_.store(LockToken::kNoTicket, std::memory_order_relaxed);
    return true;
  }
  // A request that reached an earlier holder too late: nobody needs it now.
  askedOf_.compare_exchange_strong(asked, LockToken::kNoTicket, std::memory_order_relaxed);
  return false;
}

bool InterpreterLock::contended() const { return waiting() > 0; }

uint32_t InterpreterLock::waiting() const {
  const uint32_t queued = next_.load(std::memory_order_relaxed) - serving_.load(std::memory_order_relaxed);
  return queued > 1 ? queued - 1 : 0;
}

void InterpreterLock::waitForTurn(uint32_t ticket) {
  std::atomic<uint32_t>& slot = slots_[ticket % kSlots];
  HolderWatch watch;
  for (;;) {
    // The unlocker changes the slot after it advanced the serving number, so
    // a slot read before the serving number differs once it is our turn.
    const uint32_t seen = slot.load();
    const uint32_t served = serving_.load();
    if (served == ticket) return;
    const Clock::time_point until = watchHolder(watch, served, ticket);
    if (watch.asked && spinForHandOver(ticket)) return;
    waitOnWord(slot, seen, until);
  }
}

Clock::time_point InterpreterLock::watchHolder(HolderWatch& watch, uint32_t served, uint32_t ticket) {
  if (served + 1 != ticket) {
    watch.watching = false;
    return Clock::time_point::max();
  }
  const Clock::time_point now = Clock::now();
  if (!watch.watching || watch.watched != served) watch = {served, true, false, heldSince(served, now)};
  const Clock::time_point due = watch.since + slice();
  if (now < due) return due;
  // The holder has had its slice: it hands over at its next yield point.
  askedOf_.store(served, std::memory_order_relaxed);
  watch.asked = true;
  return Clock::time_point::max();
}

// The holder hands over within microseconds of being asked, at its next
// yield point: the waiter stays on its processor that long rather than
// sleeping and waiting to be woken, or giving the processor away (on a
// busy machine either can cost milliseconds in which nobody runs Logo).
bool InterpreterLock::spinForHandOver(uint32_t ticket) {
  const Clock::time_point until = Clock::now() + kSpinForHandOver;
  do {
    for (int i = 0; i < 256; ++i) {
      if (serving_.load(std::memory_order_acquire) == ticket) return true;
      spinPause();
    }
  } while (Clock::now() < until);
  return serving_.load() == ticket;
}

// The moment the holder of `served` got the lock when it was handed over
// to it; for a holder that took it while nobody waited, the moment the
// first waiter saw it (so it keeps the lock at least a slice longer).
Clock::time_point InterpreterLock::heldSince(uint32_t served, Clock::time_point now) const {
  const uint64_t handed = handedOver_.load(std::memory_order_relaxed);
  if (static_cast<uint32_t>(handed >> 32) != served) return now;
  const uint32_t elapsed = microsecondStamp(now) - static_cast<uint32_t>(handed);
  return now - std::chrono::microseconds(std::min<uint32_t>(elapsed, slice().count()));
}

uint32_t InterpreterLock::microsecondStamp(Clock::time_point time) {
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()).count());
}

void InterpreterLock::wake(uint32_t ticket) {
  std::atomic<uint32_t>& slot = slots_[ticket % kSlots];
  slot.fetch_add(1);
  wakeWord(slot);
}

}  // namespace lx
