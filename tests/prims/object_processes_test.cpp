// Objects and the processes beside them: the object lists of `tell` and
// `ask` lose an object that another process erases; an object whose own
// procedure runs in another process is busy and stays; an event handler
// raised on the interface thread is waited for while the mouse, and only
// the mouse, is served. Events are ordered by what each side sees (a
// variable set, a task run), never by sleeping.
#include <gtest/gtest.h>

#include <thread>

#include "core/name_codes.h"
#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "objects/events.h"
#include "objects/main_object.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "process_world.h"
#include "values/pools.h"

namespace lx {
namespace {

using testing::ProcessTest;

class ObjectProcesses : public ProcessTest {
 protected:
  ObjectProcesses() {
    run(R"(newclass [] "thing [] new "thing [name k1] new "thing [name k2] new "thing [name k3]
           make "go "false make "ready "false)");
  }
  bool running(const std::string& name) { return allThreads().exists(name); }
  bool ready() {
    return eventually([&] { return global("ready") == "true"; });
  }
};

TEST_F(ObjectProcesses, TellListsLoseAnObjectErasedByAnotherProcess) {
  start("teller", R"(tell [k1 k2 k3] make "ready "true waituntil [:go] make "told who
                     make "each [] each [make "each lput myname :each])");
  ASSERT_TRUE(ready());
  run(R"(eraseobject "k2 make "go "true)");
  EXPECT_TRUE(eventually([&] { return !running("teller"); }));
  EXPECT_EQ(global("told"), "k1 k3");
  EXPECT_EQ(global("each"), "k1 k3");
  EXPECT_TRUE(sink->codes().empty());
}

TEST_F(ObjectProcesses, AnAskedGroupLosesAnObjectErasedByAnotherProcess) {
  start("asker", R"(ask [k1 k2 k3] [make "ready "true waituntil [:go] make "asked who])");
  ASSERT_TRUE(ready());
  run(R"(eraseobject "k3 make "go "true)");
  EXPECT_TRUE(eventually([&] { return !running("asker"); }));
  EXPECT_EQ(global("asked"), "k1 k2");
  EXPECT_TRUE(sink->codes().empty());
}

// The procedure runs as k1 in another process: k1 is busy while it runs
// and erasing it is refused (113); once it has ended, k1 is erased.
TEST_F(ObjectProcesses, AnObjectWhoseProcedureRunsElsewhereIsBusyUntilItEnds) {
  run(R"(ask "k1 [define "hold [[] [make "ready "true waituntil [:go] make "held myname]]])");
  start("holder", R"(k1'hold)");
  ASSERT_TRUE(ready());
  EXPECT_EQ(runHere(R"(eraseobject "k1)"), erEraseDesc);
  run(R"(make "whole object? "k1 make "go "true)");
  EXPECT_EQ(global("whole"), "true");
  EXPECT_TRUE(eventually([&] { return !running("holder"); }));
  EXPECT_EQ(global("held"), "k1");
  run(R"(eraseobject "k1 make "whole object? "k1)");
  EXPECT_EQ(global("whole"), "false");
}

// A procedure of k1 run by its heir k2 keeps k1 busy as well; once it has
// ended, erasing k1 takes the behaviour away from k2, which stays.
TEST_F(ObjectProcesses, ABehaviourWhoseProcedureRunsInAnHeirIsBusyUntilItEnds) {
  run(R"(ask "k1 [define "hold [[] [make "ready "true waituntil [:go] make "held myname]]]
         ask "k2 [.addbehaviour "k1])");
  start("holder", R"(k2'hold)");
  ASSERT_TRUE(ready());
  EXPECT_EQ(runHere(R"(eraseobject "k1)"), erEraseDesc);
  run(R"(make "go "true)");
  EXPECT_TRUE(eventually([&] { return !running("holder"); }));
  EXPECT_EQ(global("held"), "k2");
  run(R"(eraseobject "k1 make "left object? "k1 make "stays object? "k2
         make "behaviours ask "k2 [mybehaviours])");
  EXPECT_EQ(global("left"), "false");
  EXPECT_EQ(global("stays"), "true");
  EXPECT_EQ(global("behaviours"), "");
}

// Waiting on the interface thread for a raised handler, the mouse task
// queued meanwhile runs (it lets the handler end) and the key task waits
// until the interface serves everything again.
TEST_F(ObjectProcesses, WaitingForAHandlerOnTheInterfaceThreadServesTheMouseOnly) {
  if (!startedPlatform()) startPlatform(BackendRequest::Headless);
  run(R"(ask "k1 [setevent "onPush [make "ready "true waituntil [:go] make "pushed myname]])");
  std::vector<std::string> served;
  uiThread().post([&] { served.push_back("key"); }, TaskKind::KeyInput);
  uiThread().post(
      [&] {
        served.push_back("mouse");
        InterpreterLockScope locked;
        mainObject()->variables().setValue(codeOf("go"), makeBool(true));
      },
      TaskKind::MouseInput);
  {
    InterpreterLockScope locked;
    EXPECT_TRUE(raiseEventAndWait(mainObject()->child(codeOf("k1")), codeOf("onPush")));
  }
  EXPECT_EQ(served, std::vector<std::string>{"mouse"});
  EXPECT_EQ(global("pushed"), "k1");
  uiThread().runPending();
  EXPECT_EQ(served, (std::vector<std::string>{"mouse", "key"}));
}

}  // namespace
}  // namespace lx
