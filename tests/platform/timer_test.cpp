// Timers: the queue's order and re-arming on a clock of the test's own, and
// timers of the user-interface loop firing in order and stopping when killed.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/timer_queue.h"
#include "platform/ui_thread.h"

namespace lx {
namespace {

using namespace std::chrono_literals;

// Fires the due timer, if any, and answers the mark its callback leaves.
int fire(TimerQueue& timers, SteadyTime now, int& mark) {
  mark = 0;
  if (auto callback = timers.takeDue(now)) (*callback)();
  return mark;
}

TEST(TimerQueue, TimersComeDueInTimeOrderThenSetOrder) {
  TimerQueue timers;
  const SteadyTime start{};
  int mark = 0;
  timers.add(
      30ms, TimerRepeat::Once, [&] { mark = 30; }, start);
  timers.add(
      10ms, TimerRepeat::Once, [&] { mark = 10; }, start);
  timers.add(
      20ms, TimerRepeat::Once, [&] { mark = 20; }, start);
  timers.add(
      10ms, TimerRepeat::Once, [&] { mark = 11; }, start);
  EXPECT_EQ(timers.nextDue(), start + 10ms);
  EXPECT_EQ(fire(timers, start + 9ms, mark), 0);
  // The loop came late: everything is due, and fires in due order.
  EXPECT_EQ(fire(timers, start + 50ms, mark), 10);
  EXPECT_EQ(fire(timers, start + 50ms, mark), 11);
  EXPECT_EQ(fire(timers, start + 50ms, mark), 20);
  EXPECT_EQ(fire(timers, start + 50ms, mark), 30);
  EXPECT_EQ(fire(timers, start + 50ms, mark), 0);
  EXPECT_EQ(timers.size(), 0u);
}

TEST(TimerQueue, RepeatingTimerRearmsAndDropsMissedPeriods) {
  TimerQueue timers;
  const SteadyTime start{};
  int mark = 0;
  const TimerId id = timers.add(
      10ms, TimerRepeat::Repeating, [&] { mark = 1; }, start);
  EXPECT_EQ(fire(timers, start + 12ms, mark), 1);
  EXPECT_EQ(timers.nextDue(), start + 20ms);  // keeps its beat
  EXPECT_EQ(fire(timers, start + 100ms, mark), 1);
  EXPECT_EQ(timers.nextDue(), start + 110ms);  // no burst for the periods missed
  EXPECT_EQ(fire(timers, start + 100ms, mark), 0);
  EXPECT_TRUE(timers.remove(id));
  EXPECT_FALSE(timers.remove(id));
  EXPECT_FALSE(timers.nextDue().has_value());
}

// On a manual clock: nothing fires before its time, everything at it, in
// due order; a killed timer never.
TEST(UiTimers, FireInDueOrderOnTheUiThreadWhenTheClockReachesThem) {
  ManualClock clock;
  UiThread ui;
  std::vector<int> fired;
  ui.setTimer(300ms, TimerRepeat::Once, [&] { fired.push_back(300); });
  ui.setTimer(100ms, TimerRepeat::Once, [&] { fired.push_back(100); });
  ui.setTimer(200ms, TimerRepeat::Once, [&] { fired.push_back(200); });
  const TimerId never = ui.setTimer(150ms, TimerRepeat::Once, [&] { fired.push_back(150); });
  EXPECT_TRUE(ui.killTimer(never));
  clock.advance(99ms);
  ui.runPending();
  EXPECT_TRUE(fired.empty());
  clock.advance(1ms);
  ui.runPending();
  EXPECT_EQ(fired, std::vector<int>{100});
  clock.advance(150ms);
  ui.runPending();
  EXPECT_EQ(fired, (std::vector<int>{100, 200}));
  clock.advance(50ms);
  ui.runPending();
  EXPECT_EQ(fired, (std::vector<int>{100, 200, 300}));
  clock.advance(1000ms);  // one-shot timers do not come back
  ui.runPending();
  EXPECT_EQ(fired.size(), 3u);
}

TEST(UiTimers, RepeatingTimerTicksOncePerPeriodAndStopsWhenKilledInItsCallback) {
  ManualClock clock;
  UiThread ui;
  int ticks = 0;
  TimerId id = 0;
  id = ui.setTimer(20ms, TimerRepeat::Repeating, [&] {
    if (++ticks == 3) ui.killTimer(id);
  });
  for (int period = 1; period <= 2; ++period) {
    clock.advance(19ms);
    ui.runPending();
    EXPECT_EQ(ticks, period - 1);
    clock.advance(1ms);
    ui.runPending();
    EXPECT_EQ(ticks, period);
  }
  clock.advance(100ms);  // five periods missed: one tick, no burst, and it kills itself
  ui.runPending();
  EXPECT_EQ(ticks, 3);
  clock.advance(100ms);
  ui.runPending();
  EXPECT_EQ(ticks, 3);
}

// The loop's deadlines are on the program's clock too: a run with nothing
// to do ends when the clock reaches its deadline, however long that takes.
TEST(UiTimers, ALoopOnAManualClockEndsWhenTheClockReachesItsDeadline) {
  ManualClock clock;
  UiThread ui;
  bool fired = false;
  const SteadyTime deadline = afterMilliseconds(500);
  ui.setTimer(400ms, TimerRepeat::Once, [&] {
    fired = true;
    clock.advance(100ms);
  });
  ui.post([&] { clock.advance(400ms); });
  EXPECT_EQ(ui.runUntil(nullptr, deadline), RunEnd::Deadline);
  EXPECT_TRUE(fired);
}

TEST(UiTimers, RepeatingTimerKilledFromAnotherThreadStops) {
  UiThread ui;
  int ticks = 0;
  std::atomic<bool> killed{false};
  std::thread killer;
  TimerId id = 0;
  id = ui.setTimer(10ms, TimerRepeat::Repeating, [&] {
    if (++ticks != 2) return;
    killer = std::thread([&] {
      ui.killTimer(id);
      killed = true;
      ui.wake();
    });
  });
  EXPECT_EQ(ui.runUntil([&] { return killed.load(); }, afterMilliseconds(10000)), RunEnd::Done);
  killer.join();
  const int ticksWhenKilled = ticks;
  ui.runFor(300ms);
  EXPECT_EQ(ticks, ticksWhenKilled);
  EXPECT_GE(ticks, 2);
}

TEST(UiTimers, TimerAndQueuedWorkShareTheLoop) {
  // A timer that re-posts work every time must not shut out the queue, nor
  // the queue the timer.
  UiThread ui;
  int posted = 0;
  int ticks = 0;
  std::function<void()> again = [&] {
    ++posted;
    ui.post(again);
  };
  ui.post(again);
  ui.setTimer(20ms, TimerRepeat::Repeating, [&] { ++ticks; });
  EXPECT_EQ(ui.runUntil([&] { return ticks >= 3; }, afterMilliseconds(10000)), RunEnd::Done);
  EXPECT_GT(posted, 3);
}

}  // namespace
}  // namespace lx
