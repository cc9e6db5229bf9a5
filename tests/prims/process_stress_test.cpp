// Processes under a storm of starts and stops: many processes launch,
// cancel, pause, resume and stop each other, make and erase objects that
// processes run as and raise their events, while this thread (as the
// interface would) raises events, resumes and erases objects too. Whatever
// the order, everything ends: no wait hangs, no process is left behind and
// nothing fails but Logo errors. The operations come from a seeded
// generator; LX_STRESS_SEED picks another seed, and each repetition of the
// test (--gtest_repeat) takes the next one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>
#include <string>
#include <thread>

#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "objects/events.h"
#include "objects/main_object.h"
#include "objects/multi_object.h"
#include "core/name_codes.h"
#include "process_world.h"

namespace lx {
namespace {

using testing::ProcessTest;

constexpr int kObjects = 6;
constexpr int kRounds = 150;         // one worker started per round
constexpr int kOperationsEach = 30;  // operations of each worker
constexpr auto kEverythingEnds = std::chrono::seconds(120);

// Writes the Logo instructions of the storm from one seed.
class Storm {
 public:
  explicit Storm(uint32_t seed) : random_(seed) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::string object() { return "t" + std::to_string(below(kObjects)); }
  std::string wait() { return std::to_string(below(4)); }
  std::string worker(int i) { return (i % 2 ? "%p%w" : "w") + std::to_string(i); }

  // One worker's script: operations, each counted once it is done.
  std::string script(int workers) {
    std::string text;
    for (int i = 0; i < kOperationsEach; ++i) text += operation(workers) + " make \"ops :ops + 1\n";
    return text;
  }

 private:
  std::string operation(int workers) {
    const std::string k = std::to_string(below(4));
    const std::string t = object();
    switch (below(20)) {
      case 0:
      case 1:
        return "(launch [repeat " + std::to_string(1 + below(200)) + " [make \"n :n + 1]] \"p" + k + ")";
      case 2:
        return "(launch [wait " + wait() + "] \"p" + k + ")";
      case 3:
        return "(forever [make \"n :n + 1 wait " + wait() + "] \"f" + k + ")";
      case 4:
        return "(every " + std::to_string(1 + below(5)) + " [make \"n :n + 1] \"e" + k + ")";
      case 5:
        return "cancel \"" + std::string(below(2) ? "p" : "f") + k;
      case 6:
        return "cancel \"e" + k;
      case 7:
        return "cancel \"" + worker(below(workers + 1));
      case 8:
        return below(2) ? "pauseall" : "resumeall";
      case 9:
        return below(8) == 0 ? "stopall" : "resumeall";
      case 10:
        return "if object? \"" + t + " [eraseobject \"" + t + "]";
      case 11:
        return "if not object? \"" + t + " [new \"thing [name " + t + "]]";
      case 12:
      case 13:
        return "if object? \"" + t + " [ask \"" + t + " [(forever [make \"n :n + 1 wait " + wait() + "] \"o" +
               k + ")]]";
      case 14:
        return "if object? \"" + t + " [ask \"" + t + " [runevent \"onClick]]";
      case 15:
        return "runcritical \"k" + k + " [wait " + wait() + " make \"n :n + 1]";
      case 16:
        return "(launch [wait 3 cancel \"mb" + k + "] \"ma" + k + ") (launch [wait 3 cancel \"ma" + k +
               "] \"mb" + k + ")";
      case 17:
        return "make \"seen (list allprocesses done? \"p" + k + ")";
      case 18:
        return "if object? \"" + t + " [ask \"" + t + " [(launch [wait 5 eraseobject \"" + object() +
               "] \"x" + k + ")]]";
      default:
        return "wait " + wait();
    }
  }

  std::mt19937 random_;
};

uint32_t nextSeed() {
  static uint32_t seed = [] {
    const char* given = std::getenv("LX_STRESS_SEED");
    return given ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10)) : 20240611u;
  }();
  return seed++;
}

class ProcessStorm : public ProcessTest {
 protected:
  // The interface's share of the storm: an event raised on an object, the
  // processes resumed, an object erased, as the user's actions do.
  void interfaceAction(Storm& storm) {
    const std::string name = storm.object();
    switch (storm.below(4)) {
      case 0:
      case 1: {
        InterpreterLockScope locked;
        if (const ObjectRef object = mainObject()->resolveObjectName(codeOf(name)))
          raiseEvent(object.get(), codeOf("onClick"));
        break;
      }
      case 2:
        allThreads().resumeAll();
        break;
      default: {
        InterpreterLockScope locked;
        if (const ObjectRef object = mainObject()->resolveObjectName(codeOf(name))) destroyObject(*object);
        break;
      }
    }
  }

  // Runs `work` on a thread of its own; stops the whole test run when it
  // does not end in time, since a hang is exactly what is tested for.
  static void mustEnd(const char* what, const std::function<void()>& work) {
    auto done = std::async(std::launch::async, work);
    if (done.wait_for(kEverythingEnds) == std::future_status::ready) return done.get();
    std::fprintf(stderr, "%s did not end: the processes hang\n", what);
    std::abort();
  }
};

TEST_F(ProcessStorm, EverythingEndsWhateverTheOrder) {
  const uint32_t seed = nextSeed();
  SCOPED_TRACE("seed " + std::to_string(seed));
  Storm storm(seed);
  run(R"(make "n 0 make "ops 0 newclass [] "thing [event'onClick [make "n :n + 1 wait 1 (launch [wait 2] "ev)]])");
  mustEnd("the storm", [&] {
    for (int round = 0; round < kRounds; ++round) {
      start(storm.worker(round), storm.script(round));
      interfaceAction(storm);
      std::this_thread::sleep_for(std::chrono::milliseconds(storm.below(3)));
    }
    // Let the workers that were not stopped finish their scripts.
    allThreads().resumeAll();
    for (int round = 0; round < kRounds; ++round) {
      if (!allThreads().exists(storm.worker(round))) continue;
      allThreads().resumeAll();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      --round;
    }
  });
  mustEnd("stopping everything", [] { allThreads().stopAll(true); });
  EXPECT_EQ(processCount(), 0u);
  EXPECT_TRUE(allThreads().waitUntilEmpty(std::chrono::steady_clock::now() + std::chrono::seconds(5)));
  // Nothing fails but Logo code (erasing an object another process is
  // just asking, say); no fault of the system's own.
  for (int code : sink->codes()) EXPECT_NE(code, erUnexpected);
  // Most of the work was done: stopall ends only the workers not spared.
  EXPECT_GT(number("ops"), kRounds * kOperationsEach / 4);
}

}  // namespace
}  // namespace lx
