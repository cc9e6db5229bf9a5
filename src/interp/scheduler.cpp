// The scheduler: lock ownership, the yield point's work and the phases of
// processes.
#include "interp/scheduler.h"

#include <cassert>

#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "platform/large_stack_thread.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"

namespace lx {
namespace {

bool onUiThread() {
  return startedPlatform() && uiThread().isCurrent();
}

// How often the user-interface thread looks at the lock again while it
// serves hand-overs in between. The holder hands over within a slice; a
// nap as long as the slice would make every event the thread raises (a
// click, a received message) wait two slices instead of one.
constexpr std::chrono::microseconds kUiLockPoll{100};

void serveHandOversBriefly() {
  const auto end = std::chrono::steady_clock::now() + kUiLockPoll;
  uiThread().runUntil([end] { return std::chrono::steady_clock::now() >= end; }, clockNow() + kUiLockPoll,
                      Serve::HandOvers);
}

}  // namespace

bool isAllowedMove(ProcessPhase from, ProcessPhase to) {
  using P = ProcessPhase;
  switch (from) {
    case P::Starting:
      return to == P::Running || to == P::Stopping || to == P::Ended;
    case P::Running:
      return to == P::Waiting || to == P::Stopping || to == P::Ended;
    case P::Waiting:
      return to == P::Running || to == P::Stopping;
    case P::Stopping:
      return to == P::Ended;
    case P::Ended:
      return false;
  }
  return false;
}

template <class Allowed>
bool ProcessControl::move(ProcessPhase next, Allowed allowed) {
  uint8_t word = word_.load();
  for (;;) {
    if (!allowed(phaseOf(word))) return false;
    // Stopping and ending lift a pause: there is nothing left to pause.
    const bool keepPause = next != ProcessPhase::Stopping && next != ProcessPhase::Ended;
    const uint8_t moved =
        static_cast<uint8_t>((keepPause ? word & kPauseAsked : 0) | static_cast<uint8_t>(next));
    if (word_.compare_exchange_weak(word, moved)) return true;
  }
}

void ProcessControl::requestStop() {
  bool stopped = false;
  changeAndNotify([&] {
    stopped = move(ProcessPhase::Stopping,
                   [](ProcessPhase from) { return isAllowedMove(from, ProcessPhase::Stopping); });
  });
  // Outside the wait mutex: withdrawing a hand-over takes the interface's
  // queue lock.
  if (stopped) stopSource_.request_stop();
}

void ProcessControl::setPaused(bool paused) {
  changeAndNotify([&] {
    uint8_t word = word_.load();
    for (;;) {
      const ProcessPhase phase = phaseOf(word);
      if (phase == ProcessPhase::Stopping || phase == ProcessPhase::Ended) return;
      const uint8_t changed = static_cast<uint8_t>(paused ? word | kPauseAsked : word & ~kPauseAsked);
      if (word_.compare_exchange_weak(word, changed)) return;
    }
  });
}

bool ProcessControl::enter(ProcessPhase next) {
  assert(next != ProcessPhase::Stopping && "a stop is asked for by requestStop");
  return move(next, [next](ProcessPhase from) { return isAllowedMove(from, next); });
}

Scheduler::Scheduler() : processes_(std::make_unique<tallthreads>()) {}

Scheduler::~Scheduler() = default;

void Scheduler::take(LockToken& token) {
  if (onUiThread()) {
    lock_.lock(token, serveHandOversBriefly);
  } else {
    lock_.lock(token);
  }
  becomeHolder(token);
}

bool Scheduler::tryTake(LockToken& token) {
  if (!lock_.tryLock(token)) return false;
  becomeHolder(token);
  return true;
}

void Scheduler::becomeHolder(LockToken& token) {
  holderToken_ = &token;
  holder_.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

void Scheduler::give(LockToken& token) {
  assert(holdsLock() && holderToken_ == &token && "only the holder gives the lock up");
  holder_.store(std::thread::id(), std::memory_order_relaxed);
  holderToken_ = nullptr;
  lock_.unlock(token);
}

LockToken& Scheduler::heldToken() {
  assert(holdsLock() && holderToken_);
  return *holderToken_;
}

void Scheduler::serveYield(ProcessControl& control) {
  if (lock_.handOverAsked() && holdsLock()) {
    LockToken& token = *holderToken_;
    if (token.handOverHolds_ == 0 && lock_.handOverDue(token)) {
      give(token);
      take(token);
    }
  }
  if (control.paused()) waitReleased(&control, [&] { return !control.paused(); });
}

InterpreterLockScope::InterpreterLockScope() : took_(!scheduler().holdsLock()) {
  if (took_) scheduler().take(token_);
}

InterpreterLockScope::~InterpreterLockScope() {
  if (took_) scheduler().give(token_);
}

LockReleased::LockReleased() : token_(scheduler().holdsLock() ? &scheduler().heldToken() : nullptr) {
  if (token_) scheduler().give(*token_);
}

LockReleased::~LockReleased() {
  if (token_) scheduler().take(*token_);
}

LockLoan LockLoan::ofThisThread() {
  LockLoan loan;
  if (!scheduler().holdsLock()) return loan;
  loan.lender_ = std::this_thread::get_id();
  loan.token_ = &scheduler().heldToken();
  return loan;
}

BorrowedLock::BorrowedLock(const LockLoan& loan) : loan_(loan) {
  if (!loan_.token_) return;
  Scheduler& s = scheduler();
  assert(s.holder_.load() == loan_.lender_ && s.holderToken_ == loan_.token_ && "the lender still holds");
  s.holder_.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

BorrowedLock::~BorrowedLock() {
  if (!loan_.token_) return;
  Scheduler& s = scheduler();
  // A wait inside the work took the lender's token back on this thread.
  assert(s.holdsLock() && s.holderToken_ == loan_.token_);
  s.holder_.store(loan_.lender_, std::memory_order_relaxed);
}

HandOverHold::HandOverHold() : token_(scheduler().holdsLock() ? &scheduler().heldToken() : nullptr) {
  if (token_) ++token_->handOverHolds_;
}

HandOverHold::~HandOverHold() {
  if (token_) --token_->handOverHolds_;
}

}  // namespace lx
