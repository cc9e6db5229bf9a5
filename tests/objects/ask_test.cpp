// Addressing objects: `ask` makes objects current and always gives the
// current object back, `tell` sets the object list, and commands that the
// told objects' class provides reach every one of them.
#include <gtest/gtest.h>

#include <functional>

#include "interp/thread_state.h"
#include "object_test_world.h"
#include "objects/multi_object.h"
#include "platform/large_stack_thread.h"
#include "values/pools.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

// Runs `work` as a Logo process would: on a thread with a large stack.
void onLargeStack(const std::function<void()>& work) {
  runOnLargeStack([&] {
    setLogoProcessThread(true);
    work();
  });
}

class Addressing : public testing::ObjectTest {
 protected:
  Addressing() {
    logo.run(R"(newclass [] "walker [own'steps 0 define'walk [[n] [setsteps steps + :n]]
                                     define'report [[] [output steps]]]
                newclass [] "other []
                new "walker [name w1] new "walker [name w2] new "other [name o1])");
  }
  std::string steps(const std::string& name) {
    return object(name)->valueOfVariable(codeOf("steps"))->printText();
  }
  ThreadState& state() { return threadState(); }
};

TEST_F(Addressing, AskRunsAsTheObjectAndGivesTheCurrentObjectBack) {
  logo.run("ask \"w1 [walk 3 print myname print who] print myname print who");
  EXPECT_EQ(take(), (Names{"w1", "w1", "main", ""}));
  EXPECT_EQ(steps("w1"), "3");
  EXPECT_TRUE(state().objectStack.empty());
  EXPECT_EQ(state().currentObject.get(), nullptr);
}

TEST_F(Addressing, AskAsAnOperationAnswersTheValue) {
  logo.run("ask \"w2 [walk 4] print ask \"w2 [report] print ask \"w2 [steps * 2]");
  EXPECT_EQ(take(), (Names{"4", "8"}));
  EXPECT_EQ(logo.errorOf("print ask \"w2 [walk 1]"), erDidNotReport);
}

TEST_F(Addressing, AnErrorInsideAskStillGivesTheObjectBack) {
  EXPECT_EQ(logo.errorOf("ask \"w1 [ask \"w2 [nosuchthing]]"), erDoNotKnowHowTo);
  EXPECT_TRUE(state().objectStack.empty());
  EXPECT_EQ(state().currentObject.get(), nullptr);
  EXPECT_TRUE(state().objectList.empty());
  EXPECT_EQ(logo.errorOf("ask \"nobody [print 1]"), erNoObject);
  EXPECT_TRUE(state().objectStack.empty());
}

TEST_F(Addressing, OutputInsideAskLeavesTheProcedure) {
  logo.define("first.steps", {}, "ask \"w1 [output steps + 100]\nprint \"notreached");
  logo.run("print first.steps");
  EXPECT_EQ(take(), Names{"100"});
}

TEST_F(Addressing, AThousandNestedAsksAreTheLimit) {
  logo.define("deeper", {}, "ask \"w1 [deeper]");
  onLargeStack([&] {
    ScopedThreadState process;
    EXPECT_EQ(logo.errorOf("deeper"), erDeepAsk);
    EXPECT_TRUE(threadState().objectStack.empty());
    EXPECT_EQ(threadState().currentObject.get(), nullptr);
  });
}

TEST_F(Addressing, TellSetsTheObjectListForTheCommandsThatFollow) {
  logo.run("tell [w1 w2] walk 5 print who each [print steps] tell \"w1 walk 1 print who");
  EXPECT_EQ(take(), (Names{"w1 w2", "5", "5", "w1"}));
  EXPECT_EQ(steps("w1"), "6");
  EXPECT_EQ(steps("w2"), "5");
  // An operation the class provides is answered by the first object.
  logo.run("tell [w2 w1] print report");
  EXPECT_EQ(take(), Names{"5"});
  logo.run("tell [] print who print myname");
  EXPECT_EQ(take(), (Names{"", "main"}));
}

TEST_F(Addressing, AskWithSeveralObjectsReachesEveryOne) {
  logo.run("ask [w1 w2] [walk 2 print who] askeach [w1 w2] [walk 1 print myname]");
  EXPECT_EQ(take(), (Names{"w1 w2", "w1", "w2"}));
  EXPECT_EQ(steps("w1"), "3");
  EXPECT_EQ(steps("w2"), "3");
}

TEST_F(Addressing, ObjectsAskedTogetherMustBeOfOneClass) {
  EXPECT_EQ(logo.errorOf("ask [w1 o1] [print 1]"), erIncopatible);
  EXPECT_EQ(logo.errorOf("tell [w1 o1]"), erIncopatible);
  EXPECT_TRUE(state().objectList.empty());
}

TEST_F(Addressing, TellIsRefusedInsideAsk) {
  EXPECT_EQ(logo.errorOf("ask \"w1 [tell \"w2]"), erWrongPlaceAsk);
  EXPECT_EQ(logo.lastError->primName, "tell");
  EXPECT_EQ(logo.errorOf("w1'tell \"w2"), erWrongPlaceAsk);
}

TEST_F(Addressing, EachSkipsObjectsThatAreGone) {
  logo.run("tell [w1 w2] eraseobject \"w1 each [print myname]");
  EXPECT_EQ(take(), Names{"w2"});
}

}  // namespace
}  // namespace lx
