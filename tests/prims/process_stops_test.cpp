// Stops that always land: a stop request is seen before every instruction
// and by a wait that already has its lock back; a process waiting for
// another can itself be stopped, also while it erases an object; taking an
// object apart lets no other Logo code in; the interface thread serves
// hand-overs whenever it waits for the lock. Each test orders its events
// by what it sees (a process blocked, the lock wanted), never by sleeping.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "objects/main_object.h"
#include "objects/protected_call.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "process_world.h"

namespace lx {
namespace {

using testing::ProcessTest;
using Names = std::vector<std::string>;

// `block`: a long primitive that runs without the interpreter lock and
// ends only when the test lets it, whatever stop requests come meanwhile
// (as a slow system call would).
class Gate {
 public:
  void pass() {
    std::unique_lock lock(mutex_);
    ++inside_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
    --inside_;
  }
  void waitForOneInside() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return inside_ > 0; });
  }
  void open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int inside_ = 0;
  bool open_ = false;
};

Gate* theGate = nullptr;  // the running test's

class ProcessStops : public ProcessTest {
 protected:
  ProcessStops() {
    theGate = &gate;
    InterpreterLockScope locked;
    registerLiteral<tMainPasProcDesc0p>(mainObject()->procedures(), "block", false, [] {
      LockReleased released;
      theGate->pass();
      return Value();
    });
  }
  ~ProcessStops() override {
    gate.open();
    allThreads().killAll();
  }

  bool running(const std::string& name) { return allThreads().exists(name); }
  void stop(const std::shared_ptr<tLogoprocess>& process) { process->signalStop(); }
  ProcessPhase phaseOf(const std::shared_ptr<tLogoprocess>& process) { return process->control().phase(); }
  // Waits (without the lock) until the process waits for another one.
  void waitUntilWaiting(const std::shared_ptr<tLogoprocess>& process) {
    EXPECT_TRUE(eventually([&] { return phaseOf(process) == ProcessPhase::Waiting; }));
  }

  Gate gate;
};

TEST_F(ProcessStops, AStopIsSeenBeforeTheNextInstructionOfTheSameList) {
  const auto blocked = start("blocked", "block print \"notreached");
  gate.waitForOneInside();
  stop(blocked);
  EXPECT_EQ(phaseOf(blocked), ProcessPhase::Stopping);
  gate.open();
  EXPECT_TRUE(blocked->waitFor());
  EXPECT_TRUE(printed().empty());
  EXPECT_TRUE(sink->codes().empty());
}

// The wait is over and the process queues for the lock when the stop
// comes: it ends as soon as it has the lock back.
TEST_F(ProcessStops, AWaitLooksAtTheStopAgainOnceItHasTheLockBack) {
  InterpreterLockScope locked;
  const auto waiter = start("waiter", "wait 200 print \"notreached");
  {
    LockReleased released;  // it runs and lets the lock go for its wait
    while (phaseOf(waiter) != ProcessPhase::Waiting) std::this_thread::yield();
  }
  // This thread holds the lock again: the wait ends and queues for it.
  while (!scheduler().lock().contended()) std::this_thread::yield();
  stop(waiter);
  LockReleased released;
  EXPECT_TRUE(waiter->waitFor());
  EXPECT_TRUE(printed().empty());
}

TEST_F(ProcessStops, AProcessWaitingInCancelIsItselfStopped) {
  const auto target = start("target", "block");
  gate.waitForOneInside();
  const auto canceller = start("canceller", "cancel \"target print \"notreached");
  waitUntilWaiting(canceller);
  EXPECT_TRUE(running("target"));
  stop(canceller);
  EXPECT_TRUE(canceller->waitFor());
  EXPECT_TRUE(running("target"));  // still in its long primitive
  gate.open();
  EXPECT_TRUE(target->waitFor());
  EXPECT_TRUE(printed().empty());
}

TEST_F(ProcessStops, ProcessesStoppingEachOtherBothEnd) {
  // Each stops the other while the other is in `block`, then waits for it.
  run(R"((launch [block stopall] "one) (launch [block stopall] "two))");
  gate.waitForOneInside();
  gate.open();
  EXPECT_TRUE(allThreads().waitUntilEmpty(std::chrono::steady_clock::now() + std::chrono::seconds(20)));
  run(R"((launch [wait 5 cancel "b print "a.went.on] "a) (launch [wait 5 cancel "a print "b.went.on] "b))");
  EXPECT_TRUE(allThreads().waitUntilEmpty(std::chrono::steady_clock::now() + std::chrono::seconds(20)));
  // At most one of them saw the other end before it was stopped itself.
  EXPECT_LE(printed().size(), 1u);
}

TEST_F(ProcessStops, AnEraserWaitingForTheObjectsProcessesIsStoppedAndTheObjectStaysWhole) {
  run(R"(newclass [] "thing [] new "thing [name t1] ask "t1 [(launch [block] "inside)])");
  gate.waitForOneInside();
  const auto eraser = start("eraser", "eraseobject \"t1 print \"notreached");
  waitUntilWaiting(eraser);
  stop(eraser);
  EXPECT_TRUE(eraser->waitFor());
  run(R"(make "whole object? "t1)");
  EXPECT_EQ(global("whole"), "true");
  gate.open();
  EXPECT_TRUE(eventually([&] { return !running("inside"); }));
  run(R"(eraseobject "t1 make "whole object? "t1)");
  EXPECT_EQ(global("whole"), "false");
  EXPECT_TRUE(printed().empty());
}

// The heir's destroy procedure runs while its first parent is being taken
// apart, long enough for many slices: the busy counter never moves meanwhile.
TEST_F(ProcessStops, TakingAnObjectApartLetsNoOtherLogoCodeIn) {
  run(R"(newclass [] "thing [] new "thing [name t1]
         new "t1 [name h1 define'destroy [[] [make "before :count repeat 20000 [make "x 1] make "after :count]]]
         make "count 0 (forever [make "count :count + 1] "busy))");
  EXPECT_TRUE(eventually([&] { return number("count") > 0; }));
  run(R"(eraseobject "t1)");
  EXPECT_NE(global("before"), "");
  EXPECT_EQ(global("before"), global("after"));
  run(R"(cancel "busy)");
}

// A process that keeps handing work over to the interface thread while
// that thread takes and gives back the lock again and again: each time the
// interface waits for the lock it serves the hand-over the holder waits for.
TEST_F(ProcessStops, TheInterfaceServesHandOversWheneverItWaitsForTheLock) {
  if (!startedPlatform()) startPlatform(BackendRequest::Headless);
  {
    InterpreterLockScope locked;
    registerLiteral<tMainPasProcDesc0p>(mainObject()->procedures(), "handover", false, [] {
      runProtected([] {});
      return Value();
    });
  }
  const auto busy = start("busy", "make \"rounds 0 repeat 300 [handover make \"rounds :rounds + 1]");
  for (int i = 0; i < 300; ++i) {
    InterpreterLockScope locked;
  }
  EXPECT_TRUE(busy->waitFor());
  EXPECT_EQ(global("rounds"), "300");
}

}  // namespace
}  // namespace lx
