// The user-interface loop: the hand-over from other threads (results,
// exceptions, stop requests, refusal), running inline, the order of posted
// work, serving some kinds of work only, and quitting.
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace lx {
namespace {

using namespace std::chrono_literals;

// Runs the loop until `ready` or a generous deadline; false on the deadline.
bool runUntilReady(UiThread& ui, const std::function<bool()>& ready) {
  return ui.runUntil(ready, afterMilliseconds(10000)) == RunEnd::Done;
}

// Waits, without running the loop, until `count` tasks are queued.
bool waitForQueued(const UiThread& ui, size_t count) {
  const auto deadline = afterMilliseconds(10000);
  while (ui.pendingTasks() < count) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

TEST(HandOver, ManyCallersEachTaskRunsOnceOnTheUiThreadAndAnswersItsOwnCaller) {
  UiThread ui;
  constexpr int kCallers = 8;
  constexpr int kCalls = 150;
  const auto uiId = std::this_thread::get_id();
  std::vector<int> runs(kCallers * kCalls, 0);  // touched on the user-interface thread only
  int offThread = 0;                            // likewise
  std::vector<int> wrongAnswers(kCallers, 0);   // each caller its own slot
  std::atomic<int> finished{0};
  std::vector<std::thread> callers;
  for (int c = 0; c < kCallers; ++c) {
    callers.emplace_back([&, c] {
      for (int i = 0; i < kCalls; ++i) {
        const int id = c * kCalls + i;
        auto task = [&, id]() -> int {
          ++runs[id];
          if (std::this_thread::get_id() != uiId) ++offThread;
          if (id % 7 == 3) throw std::runtime_error(std::to_string(id));
          return id * 3;
        };
        try {
          if (ui.runOnUiThread(task) != id * 3 || id % 7 == 3) ++wrongAnswers[c];
        } catch (const std::runtime_error& e) {
          if (id % 7 != 3 || e.what() != std::to_string(id)) ++wrongAnswers[c];
        }
      }
      ++finished;
      ui.wake();
    });
  }
  const bool done = runUntilReady(ui, [&] { return finished == kCallers; });
  for (auto& t : callers) t.join();
  ASSERT_TRUE(done);
  for (int id = 0; id < kCallers * kCalls; ++id) ASSERT_EQ(runs[id], 1) << "task " << id;
  EXPECT_EQ(offThread, 0);
  for (int c = 0; c < kCallers; ++c) EXPECT_EQ(wrongAnswers[c], 0) << "caller " << c;
}

TEST(HandOver, VoidTaskFromAnotherThreadIsWaitedFor) {
  UiThread ui;
  int value = 0;
  std::atomic<bool> returned{false};
  std::thread caller([&] {
    ui.runOnUiThread([&] { value = 5; });
    EXPECT_EQ(value, 5);  // the caller sees what the task did
    returned = true;
    ui.wake();
  });
  EXPECT_TRUE(runUntilReady(ui, [&] { return returned.load(); }));
  caller.join();
}

TEST(HandOver, OnTheUiThreadRunsInlineWithoutTheLoop) {
  UiThread ui;
  EXPECT_TRUE(ui.isCurrent());
  EXPECT_EQ(ui.runOnUiThread([] { return std::string("inline"); }), "inline");
  EXPECT_THROW(ui.runOnUiThread([]() -> int { throw std::logic_error("x"); }), std::logic_error);
  // A task on the user-interface thread may hand over again: also inline.
  EXPECT_EQ(ui.runOnUiThread([&] { return ui.runOnUiThread([] { return 7; }) + 1; }), 8);
  EXPECT_EQ(ui.pendingTasks(), 0u);
}

TEST(HandOver, StopWhileQueuedEndsTheWaitAtOnceAndTheTaskNeverRuns) {
  UiThread ui;
  std::stop_source stop;
  bool ran = false;
  auto caller = std::async(std::launch::async, [&] {
    try {
      ui.runOnUiThread([&] { ran = true; }, stop.get_token());
      return std::string("returned");
    } catch (const HandOverStopped&) {
      return std::string("stopped");
    }
  });
  ASSERT_TRUE(waitForQueued(ui, 1));
  stop.request_stop();
  // The loop is not running: only the stop can end the caller's wait.
  if (caller.wait_for(5s) != std::future_status::ready) {
    ui.runPending();
    FAIL() << "the stop request did not end the wait";
  }
  EXPECT_EQ(caller.get(), "stopped");
  ui.runPending();
  EXPECT_FALSE(ran);
}

TEST(HandOver, StopRequestedBeforeTheCallQueuesNothing) {
  UiThread ui;
  std::stop_source stop;
  stop.request_stop();
  std::atomic<bool> stopped{false};
  std::thread caller([&] {
    try {
      ui.runOnUiThread([] {}, stop.get_token());
    } catch (const HandOverStopped&) {
      stopped = true;
    }
  });
  caller.join();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(ui.pendingTasks(), 0u);
}

TEST(HandOver, StopWhileTheTaskRunsLetsItFinishAndAnswer) {
  UiThread ui;
  std::stop_source stop;
  std::atomic<bool> returned{false};
  int answer = 0;
  std::thread caller([&] {
    answer = ui.runOnUiThread(
        [&] {
          stop.request_stop();
          return 42;
        },
        stop.get_token());
    returned = true;
    ui.wake();
  });
  EXPECT_TRUE(runUntilReady(ui, [&] { return returned.load(); }));
  caller.join();
  EXPECT_EQ(answer, 42);
}

TEST(HandOver, RefusedHandOversEndWithoutRunningAndPostedWorkStillRuns) {
  UiThread ui;
  bool ran = false;
  auto waiting = std::async(std::launch::async, [&] {
    try {
      ui.runOnUiThread([&] { ran = true; });
      return false;
    } catch (const HandOverStopped&) {
      return true;
    }
  });
  ASSERT_TRUE(waitForQueued(ui, 1));
  int posted = 0;
  ui.post([&] { ++posted; });
  ui.refuseHandOvers();
  ASSERT_EQ(waiting.wait_for(5s), std::future_status::ready);
  EXPECT_TRUE(waiting.get());
  auto late = std::async(std::launch::async, [&] { ui.runOnUiThread([&] { ran = true; }); });
  EXPECT_THROW(late.get(), HandOverStopped);
  ui.runPending();
  EXPECT_FALSE(ran);
  EXPECT_EQ(posted, 1);
}

TEST(UiLoop, PostedWorkRunsInOrder) {
  UiThread ui;
  std::vector<int> order;
  std::thread poster([&] {
    for (int i = 0; i < 100; ++i) ui.post([&order, i] { order.push_back(i); });
  });
  poster.join();
  ui.runPending();
  ASSERT_EQ(order.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(order[i], i);
}

TEST(UiLoop, ServingHandOversOnlyLeavesOtherWorkQueuedInOrder) {
  UiThread ui;
  std::vector<std::string> order;
  ui.post([&] { order.push_back("posted"); });
  ui.post([&] { order.push_back("key"); }, TaskKind::KeyInput);
  ui.post([&] { order.push_back("mouse"); }, TaskKind::MouseInput);
  std::atomic<bool> answered{false};
  std::thread caller([&] {
    ui.runOnUiThread([&] { order.push_back("hand-over"); });
    answered = true;
    ui.wake();
  });
  EXPECT_EQ(ui.runUntil([&] { return answered.load(); }, afterMilliseconds(10000), Serve::HandOvers),
            RunEnd::Done);
  caller.join();
  EXPECT_EQ(order, std::vector<std::string>{"hand-over"});
  ui.runPending(Serve::HandOvers | Serve::MouseInput);
  EXPECT_EQ(order, (std::vector<std::string>{"hand-over", "mouse"}));
  ui.runPending();
  EXPECT_EQ(order, (std::vector<std::string>{"hand-over", "mouse", "posted", "key"}));
}

TEST(UiLoop, QuitFromAnotherThreadEndsTheRun) {
  UiThread ui;
  std::thread quitter([&] { ui.quit(); });
  EXPECT_EQ(ui.run(), RunEnd::Quit);
  quitter.join();
  // The quit is used up: the next run ends for its own reason.
  EXPECT_EQ(ui.runFor(10ms), RunEnd::Deadline);
}

TEST(UiLoop, QuitEndsNestedRunsAtEveryLevel) {
  UiThread ui;
  RunEnd inner = RunEnd::Done;
  ui.post([&] {
    ui.post([&] { ui.quit(); });
    inner = ui.run();  // a modal loop inside work of the outer loop
  });
  EXPECT_EQ(ui.run(), RunEnd::Quit);
  EXPECT_EQ(inner, RunEnd::Quit);
  EXPECT_EQ(ui.runFor(10ms), RunEnd::Deadline);
}

TEST(UiLoop, DoneConditionIsCheckedBeforeWaiting) {
  UiThread ui;
  int steps = 0;
  ui.post([&] { ++steps; });
  ui.post([&] { ++steps; });
  EXPECT_EQ(ui.runUntil([&] { return steps == 1; }, afterMilliseconds(10000)), RunEnd::Done);
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(ui.pendingTasks(), 1u);
}

}  // namespace
}  // namespace lx
