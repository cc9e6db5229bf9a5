// Processes on a manual clock: `wait`, `every`, `after` and the stopwatch
// of `timer` move with the program's clock alone, so their timing is
// checked by what has happened at each tick, never by sleeping.
#include "interp/process_list.h"
#include "core/global_options.h"
#include "interp/scheduler.h"
#include "platform/clock.h"
#include "process_world.h"

namespace lx {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

class ProcessClock : public testing::ProcessTest {
 protected:
  bool running(const std::string& name) {
    InterpreterLockScope locked;
    return allThreads().exists(name);
  }
  // Moves the clock and lets the processes it wakes do what they do at
  // that moment: `settled` is what they must reach.
  bool advanceUntil(std::chrono::milliseconds step, const std::function<bool()>& settled) {
    clock.advance(step);
    return eventually(settled);
  }

  ManualClock clock;
};

TEST_F(ProcessClock, WaitEndsWhenTheClockReachesItsTimeAndNotBefore) {
  // The process gives up the interpreter lock only in its wait, so once
  // "ready" reads 1 the wait has begun.
  run(R"((launch [make "ready 1 wait 400 make "woke 1] "walker))");
  ASSERT_TRUE(eventually([&] { return global("ready") == "1"; }));
  clock.advance(399ms);
  EXPECT_TRUE(running("walker"));
  EXPECT_EQ(global("woke"), "");
  EXPECT_TRUE(advanceUntil(1ms, [&] { return !allThreads().exists("walker"); }));
  EXPECT_EQ(global("woke"), "1");
}

// `every` runs at once and then each period, counted from its call;
// `after` once, at its time.
TEST_F(ProcessClock, EveryRunsOncePerPeriodAndAfterOnceAtItsTime) {
  run(R"(make "n 0 (every 100 [make "n :n + 1] "ev) (after 300 [print "late] "af))");
  EXPECT_TRUE(eventually([&] { return number("n") == 1; }));
  for (int period = 1; period <= 3; ++period) {
    clock.advance(99ms);
    EXPECT_EQ(number("n"), period);
    EXPECT_TRUE(printed().empty());
    EXPECT_TRUE(advanceUntil(1ms, [&] { return number("n") == period + 1; })) << "period " << period;
  }
  EXPECT_TRUE(eventually([&] { return !allThreads().exists("af"); }));
  EXPECT_EQ(printed(), Names{"late"});
  run(R"(cancel "ev)");
  EXPECT_EQ(processCount(), 0u);
}

TEST_F(ProcessClock, TheWaitUnitScalesEveryWait) {
  {
    InterpreterLockScope locked;
    globalOptions().waitUnit = 2;  // tenths of a second
  }
  run(R"((after 5 [print "tenths] "af))");
  clock.advance(499ms);
  EXPECT_TRUE(printed().empty());
  EXPECT_TRUE(advanceUntil(1ms, [&] { return !allThreads().exists("af"); }));
  EXPECT_EQ(printed(), Names{"tenths"});
  InterpreterLockScope locked;
  globalOptions().waitUnit = 0;
}

TEST_F(ProcessClock, TheStopwatchCountsTheClocksTicks) {
  run(R"(resettimer)");
  clock.advance(250ms);
  run(R"(make "t timer)");
  EXPECT_EQ(global("t"), "250");
  clock.advance(1ms);
  run(R"(make "t timer)");
  EXPECT_EQ(global("t"), "251");
}

// A process stopped while it waits ends at once, whatever the clock says.
TEST_F(ProcessClock, AStopEndsAWaitThatTheClockWouldNeverEnd) {
  run(R"((launch [wait 1000000 print "notreached] "sleeper))");
  EXPECT_TRUE(running("sleeper"));
  run(R"(cancel "sleeper)");
  EXPECT_FALSE(running("sleeper"));
  EXPECT_TRUE(printed().empty());
}

}  // namespace
}  // namespace lx
