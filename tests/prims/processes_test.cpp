// Processes side by side: each with its own state, all taking turns at the
// interpreter lock; starting, naming, cancelling, pausing and stopping
// them, waits, named locks, and processes ending with their object.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/global_options.h"
#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/process_waits.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "objects/main_object.h"
#include "objects/protected_call.h"
#include "platform/platform.h"
#include "process_world.h"
#include "values/reader.h"

namespace lx {
namespace {

using testing::ProcessTest;
using Names = std::vector<std::string>;

class Processes : public ProcessTest {
 protected:
  Names names() {
    Names out;
    InterpreterLockScope locked;
    for (const Value& name : allThreads().names()) out.push_back(name->printText(0));
    return out;
  }
  bool running(const std::string& name) { return allThreads().exists(name); }
};

TEST_F(Processes, TwoForeverProcessesWithTheirOwnCountersBothProgress) {
  run(R"(make "a 0 make "b 0
         (forever [make "a :a + 1] "counta)
         (forever [make "b :b + 1] "countb))");
  EXPECT_TRUE(eventually([&] { return number("a") > 100 && number("b") > 100; }));
  const long a1 = number("a"), b1 = number("b");
  EXPECT_TRUE(eventually([&] { return number("a") > a1 && number("b") > b1; }));
  EXPECT_EQ(processCount(), 2u);
}

TEST_F(Processes, DoneAndAllProcessesFollowAProcessFromStartToEnd) {
  run(R"((launch [wait 400] "walker) make "seen done? "walker make "all allprocesses)");
  EXPECT_EQ(global("seen"), "false");
  EXPECT_EQ(global("all"), "@test walker");
  EXPECT_TRUE(eventually([&] { return !running("walker"); }));
  run(R"(make "seen done? "walker make "all allprocesses)");
  EXPECT_EQ(global("seen"), "true");
  EXPECT_EQ(global("all"), "@test");
}

TEST_F(Processes, NamesAreCheckedAndTheShortFormNamesByTheList) {
  run(R"(launch [wait 300] make "named se allprocesses processname)");
  EXPECT_EQ(global("named"), "@test [wait 300] @test");
  run(R"((launch [print 1] "@mine))");
  run(R"((launch [print 1] butfirst "x))");
  run(R"((launch [print 1] "a "b))");
  run(R"((every 10))");
  EXPECT_EQ(sink->codes(), (std::vector<int>{erBadValue, erBadValue, erTooManyInputs, erNotEnoughInputs}));
  EXPECT_EQ(runHere("print processname"), erUnexpected);
  EXPECT_EQ(printed(), Names{""});
}

TEST_F(Processes, CancelStopsEveryProcessOfTheNameAndItsCallerLast) {
  run(R"((forever [wait 10] "w) (forever [wait 10] "w) (forever [] "W) (forever [wait 10] "other))");
  EXPECT_EQ(names(), (Names{"w", "w", "W", "other"}));
  run(R"(cancel "w)");
  EXPECT_EQ(names(), Names{"other"});
  run(R"((forever [] "w) (launch [cancel "w print "notreached] "w))");
  EXPECT_TRUE(eventually([&] { return !running("w"); }));
  EXPECT_EQ(names(), Names{"other"});
  EXPECT_TRUE(printed().empty());
  EXPECT_TRUE(sink->codes().empty());
}

TEST_F(Processes, StopallSparesPercentPNamesAndEndsTheCaller) {
  run(R"((forever [wait 5] "%p%keep) (forever [] "x) (every 50 [] "y) stopall print "notreached)");
  EXPECT_EQ(names(), Names{"%p%keep"});
  EXPECT_TRUE(printed().empty());
}

TEST_F(Processes, StopallWithAHundredForeverProcessesReturnsPromptly) {
  run(R"(make "n 0 repeat 100 [(forever [make "n :n + 1] word "f repcount)])");
  EXPECT_EQ(processCount(), 100u);
  const auto start = std::chrono::steady_clock::now();
  run("stopall");
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(processCount(), 0u);
  EXPECT_LT(took, std::chrono::seconds(10));
}

TEST_F(Processes, PauseallFreezesAndResumeallContinues) {
  run(R"(make "c 0 make "ticks 0 (every 20 [make "ticks :ticks + 1] "ticker))");
  const auto counter = start("counter", "while [1 = 1] [make \"c :c + 1]");
  EXPECT_TRUE(eventually([&] { return number("c") > 10; }));
  run("pauseall");
  // A paused process takes its pause as a wait at its next yield point.
  EXPECT_TRUE(eventually([&] { return counter->control().phase() == ProcessPhase::Waiting; }));
  const long frozen = number("c");
  // Each run hands the lock back and forth; a counter that still ran would
  // take its turns in between.
  for (int round = 0; round < 20; ++round) run("repeat 200 [make \"z repcount]");
  EXPECT_EQ(number("c"), frozen);
  EXPECT_EQ(counter->control().phase(), ProcessPhase::Waiting);
  run("resumeall");
  EXPECT_TRUE(eventually([&] { return number("c") > frozen; }));
  run("pauseall");
  run(R"(cancel "counter cancel "ticker)");
  EXPECT_EQ(processCount(), 0u);
}

TEST_F(Processes, RuncriticalNeverOverlapsAndAStoppedWaiterNeverRunsItsList) {
  const std::string guarded =
      "[runcritical \"k [make \"inside :inside + 1 if :inside > 1 [make \"overlap 1] wait 2 "
      "make \"inside :inside - 1 make \"rounds :rounds + 1]]";
  run("make \"inside 0 make \"overlap 0 make \"rounds 0 (forever " + guarded + " \"g1) (forever " + guarded +
      " \"g2) (forever " + guarded + " \"g3)");
  EXPECT_TRUE(eventually([&] { return number("rounds") > 30; }));
  // Checked before the cancels: a process cancelled inside the section
  // leaves the count of those inside behind.
  EXPECT_EQ(global("overlap"), "0");
  run("cancel \"g1 cancel \"g2 cancel \"g3 make \"value runcritical \"K [3 + 4]");
  EXPECT_EQ(global("value"), "7");

  run(R"(make "held 0 (launch [runcritical "k [make "held 1 wait 100000]] "holder))");
  EXPECT_TRUE(eventually([&] { return global("held") == "1"; }));
  const auto waiter = start("waiter", R"(runcritical "k [print "ran])");
  EXPECT_TRUE(eventually([&] { return waiter->control().phase() == ProcessPhase::Waiting; }));
  run(R"(cancel "waiter cancel "holder)");
  EXPECT_EQ(processCount(), 0u);
  EXPECT_TRUE(printed().empty());
}

TEST_F(Processes, WaitOutsideAProcessIsAnError) {
  EXPECT_EQ(runHere("wait 10"), erInternWait0);
}

TEST_F(Processes, AnErrorEndsItsProcessOnly) {
  run(R"(make "c 0 (forever [make "c :c + 1] "good) (launch [print 1 / 0] "bad))");
  EXPECT_TRUE(eventually([&] { return !running("bad"); }));
  EXPECT_EQ(sink->codes(), std::vector<int>{erDiv0});
  const long before = number("c");
  EXPECT_TRUE(eventually([&] { return number("c") > before; }));
  EXPECT_TRUE(running("good"));
}

TEST_F(Processes, ErasingAnObjectEndsItsProcesses) {
  run(R"(newclass [] "thing [] new "thing [name t1] new "thing [name t2]
         make "c1 0 make "c2 0
         ask "t1 [(forever [make "c1 :c1 + 1] "loop1)]
         ask "t2 [(forever [make "c2 :c2 + 1] "loop2)])");
  EXPECT_TRUE(eventually([&] { return number("c1") > 0 && number("c2") > 0; }));
  run(R"(eraseobject "t1)");
  EXPECT_EQ(names(), Names{"loop2"});
  const long c2 = number("c2");
  EXPECT_TRUE(eventually([&] { return number("c2") > c2; }));
}

TEST_F(Processes, AProcessReturningToTheContextOfAnErasedObjectEnds) {
  run(R"(newclass [] "thing [] new "thing [name t1] new "thing [name t2] make "back 0 make "inside 0
         (launch [ask "t1 [ask "t2 [make "inside 1 wait 300] repeat 1 [make "back 1]]] "visitor))");
  EXPECT_TRUE(eventually([&] { return global("inside") == "1"; }));
  run(R"(eraseobject "t1)");
  EXPECT_TRUE(eventually([&] { return !running("visitor"); }));
  EXPECT_EQ(global("back"), "0");
  EXPECT_TRUE(sink->codes().empty());
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

bool hasEnded(const tLogoprocess& process) {
  std::lock_guard lock(waitMutex());
  return process.ended();
}

// Work for the interface thread that a process hands over: when the process
// is told to stop before the interface could take it, the process ends at
// once instead of waiting for the interface.
TEST_F(Processes, AStoppedProcessLeavesItsHandOverWithoutWaitingForTheInterface) {
  if (!startedPlatform()) startPlatform(BackendRequest::Headless);
  std::shared_ptr<tLogoprocess> process;
  // Queued before the process starts, so the interface is busy with it
  // before the process's hand-over can be served.
  bool endedWhileInterfaceBusy = false;
  uiThread().post([&] {
    const SteadyTime limit = afterMilliseconds(5000);
    while (uiThread().pendingTasks() == 0 && std::chrono::steady_clock::now() < limit) sleepFor(1);
    process->signalStop();
    while (!hasEnded(*process) && std::chrono::steady_clock::now() < limit) sleepFor(1);
    endedWhileInterfaceBusy = hasEnded(*process);
  });
  {
    InterpreterLockScope locked;
    registerLiteral<tMainPasProcDesc0p>(mainObject()->procedures(), "handover", false, [] {
      runProtected([] {});
      return Value();
    });
    ProcessStart start;
    start.name = "@handover";
    start.object = Value(mainObject());
    start.sink = sink;
    start.list = readList("handover");
    process = tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
  }
  uiThread().runUntil([&] { return hasEnded(*process); }, afterMilliseconds(10000));
  EXPECT_TRUE(endedWhileInterfaceBusy);
  EXPECT_TRUE(sink->codes().empty());
}

}  // namespace
}  // namespace lx
