// The scheduler: the one owner of the interpreter lock, of the table of
// processes and of the phase every process is in. Logo code runs only on
// the thread that holds the lock; the scheduler records which thread that
// is and which token proves it, hands the lock over at yield points when a
// slice is up, and gives it up for every wait.
//
// Holding the lock. A thread takes the lock into a LockToken it keeps (a
// process for its whole run, a scope on any other thread), and the
// scheduler records the holding thread and its token. Waits deep inside a
// primitive find the token through that record, give it up and take it
// back into the same token by the one path every thread uses: the
// user-interface thread serves hand-overs while it waits for its turn, so
// that a holder waiting for one of them is never left waiting. Work a
// holder hands over to the user-interface thread borrows the holder's
// token (BorrowedLock) for its duration; the record says so.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <thread>

#include "interp/interpreter_lock.h"

namespace lx {

class tallthreads;

// The phases of a process and the moves between them:
//
//   Starting ---> Running <---> Waiting
//       |            |  \          |
//       |            |   `---------|-----------> Ended
//       v            v             v               ^
//       `--------> Stopping <------'               |
//                      `---------------------------'
//
// - Starting: registered; its thread has not yet taken the lock and built
//   its interpreter state.
// - Running: it holds the interpreter lock, or queues for it again at a
//   yield point after a hand-over.
// - Waiting: it has let the lock go for a wait (time, a key, a named lock,
//   a reply, another process, a pause) and takes it back at the end.
// - Stopping: it was told to stop. It ends at its next instruction, or at
//   once when it waits; every wait ends at once for it, and checks again
//   after it has taken the lock back. It never returns to Running.
// - Ended: its thread has done all its work under the lock; only the join
//   of the thread remains.
// The process moves itself between Starting, Running and Waiting and into
// Ended; any thread moves it into Stopping. A pause is no phase: it is
// asked for beside the phase, and the process takes it as a wait at its
// next yield point.
enum class ProcessPhase : uint8_t { Starting, Running, Waiting, Stopping, Ended };

bool isAllowedMove(ProcessPhase from, ProcessPhase to);

// What other threads tell one process (to stop, to pause) and the phase it
// is in, in one atomic byte: the evaluator reads it before every
// instruction, so it costs one relaxed load.
class ProcessControl {
 public:
  explicit ProcessControl(ProcessPhase start = ProcessPhase::Starting) : word_(static_cast<uint8_t>(start)) {}
  ProcessControl(const ProcessControl&) = delete;
  ProcessControl& operator=(const ProcessControl&) = delete;

  ProcessPhase phase() const { return phaseOf(word_.load(std::memory_order_relaxed)); }
  bool stopRequested() const { return phase() == ProcessPhase::Stopping; }
  // A stop or a pause has been asked for: what a yield point looks at.
  bool needsAttention() const {
    const uint8_t word = word_.load(std::memory_order_relaxed);
    return (word & kPauseAsked) != 0 || phaseOf(word) == ProcessPhase::Stopping;
  }
  bool paused() const { return (word_.load(std::memory_order_relaxed) & kPauseAsked) != 0; }

  // Any thread. Never refused, except by an ended process; lifts a pause,
  // and wakes every waiter so that the process sees it at once.
  void requestStop();
  // Any thread; a stopping or ended process is not paused.
  void setPaused(bool paused);
  // The process's own moves. Answers false, and stays, when the move is not
  // allowed from where it is now: a stopping process stays stopping (until
  // it ends), an ended one ended.
  bool enter(ProcessPhase next);

  // Signalled by the stop request: work handed over to the user-interface
  // thread that has not started yet is withdrawn when the process stops.
  std::stop_token stopToken() const { return stopSource_.get_token(); }

 private:
  static constexpr uint8_t kPhaseMask = 0x07;
  static constexpr uint8_t kPauseAsked = 0x08;
  static ProcessPhase phaseOf(uint8_t word) { return static_cast<ProcessPhase>(word & kPhaseMask); }
  // Moves to `next` when `allowed` says so; answers whether it moved.
  template <class Allowed>
  bool move(ProcessPhase next, Allowed allowed);

  std::atomic<uint8_t> word_;  // the phase, and kPauseAsked
  std::stop_source stopSource_;
};

class Scheduler {
 public:
  Scheduler();
  ~Scheduler();
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  InterpreterLock& lock() { return lock_; }
  const InterpreterLock& lock() const { return lock_; }
  tallthreads& processes() { return *processes_; }

  // Whether the calling thread holds the interpreter lock: it took it, or
  // it borrows it for work the holder handed over.
  bool holdsLock() const { return holder_.load(std::memory_order_relaxed) == std::this_thread::get_id(); }
  // Takes the lock into `token`: the one path every thread takes it by. The
  // user-interface thread serves hand-overs while it waits.
  void take(LockToken& token);
  bool tryTake(LockToken& token);
  // Gives the lock up; the caller holds it by `token`.
  void give(LockToken& token);
  // The token the caller holds the lock by.
  LockToken& heldToken();

  // The yield point: whether there is anything to do (a hand-over asked
  // for, a stop or a pause: two relaxed loads), and doing it. A hand-over
  // lets every earlier arrival run first; a pause waits with the lock
  // released until it is lifted or the process is told to stop.
  bool yieldHasWork(const ProcessControl& control) const {
    return lock_.handOverAsked() || control.needsAttention();
  }
  void serveYield(ProcessControl& control);

 private:
  friend class BorrowedLock;

  void becomeHolder(LockToken& token);

  InterpreterLock lock_;
  std::unique_ptr<tallthreads> processes_;
  std::atomic<std::thread::id> holder_{};  // the thread that holds the lock, or none
  LockToken* holderToken_ = nullptr;       // read and written only by the holder
};

// The one scheduler of the program (inline: every yield point asks for it).
inline Scheduler& scheduler() {
  static Scheduler theScheduler;
  return theScheduler;
}

// Holds the interpreter lock for the scope unless the thread holds it
// already.
class InterpreterLockScope {
 public:
  InterpreterLockScope();
  ~InterpreterLockScope();
  InterpreterLockScope(const InterpreterLockScope&) = delete;
  InterpreterLockScope& operator=(const InterpreterLockScope&) = delete;

 private:
  LockToken token_;
  bool took_;
};

// Lets the interpreter lock go for the scope (a wait) and takes it back at
// its end by the one path; does nothing on a thread that does not hold it.
class LockReleased {
 public:
  LockReleased();
  ~LockReleased();
  LockReleased(const LockReleased&) = delete;
  LockReleased& operator=(const LockReleased&) = delete;

 private:
  LockToken* token_;
};

// A hold of the interpreter lock lent for work the holder hands over to
// the user-interface thread and waits for. Made on the holder's thread;
// lends nothing when that thread holds no lock.
class LockLoan {
 public:
  static LockLoan ofThisThread();

 private:
  friend class BorrowedLock;
  std::thread::id lender_;
  LockToken* token_ = nullptr;
};

// On the thread that runs lent work, for the work's duration: that thread
// holds the lock in the lender's stead (so that what it starts does not
// wait for a lock its own requester holds), and a wait inside gives the
// lender's token up and takes it back. At the end the hold returns to the
// lender, which has waited for the work all along.
class BorrowedLock {
 public:
  explicit BorrowedLock(const LockLoan& loan);
  ~BorrowedLock();
  BorrowedLock(const BorrowedLock&) = delete;
  BorrowedLock& operator=(const BorrowedLock&) = delete;

 private:
  const LockLoan& loan_;
};

// Yield points inside the scope keep the lock even when a hand-over is
// due: for work that must not let other Logo code in halfway (taking an
// object apart). A wait inside still lets it go. On a thread that holds no
// lock (a test of its own, with no process about) it does nothing.
class HandOverHold {
 public:
  HandOverHold();
  ~HandOverHold();
  HandOverHold(const HandOverHold&) = delete;
  HandOverHold& operator=(const HandOverHold&) = delete;

 private:
  LockToken* token_;
};

}  // namespace lx
