// Events: handlers set, found along the event chain, run here or raised as
// processes of their own.
#include "objects/events.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "interp/process_list.h"
#include "interp/thread_state.h"
#include "object_test_world.h"
#include "objects/object_codes.h"
#include "platform/message_box.h"
#include "prims/control_primitives.h"
#include "prims/process_primitives.h"
#include "prims/variable_primitives.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class Events : public testing::ObjectTest {
 protected:
  Events() {
    registerProcessPrimitives(globalProcedures());
    logo.run(R"(newclass [] "button [event'onClick [(print "class.click myname)]]
                new "button [name ok]
                new "button [name cancel event'onClick [(print "own.click myname)]])");
    setMessageBoxEcho(false);
    clearShownMessages();
  }
  ~Events() override { setMessageBoxEcho(true); }
};

TEST_F(Events, EventNamesAreInternedTogether) {
  const ObjectCodes& codes = objectCodes();
  EXPECT_TRUE(isEventCode(codeOf("onClick")));
  EXPECT_TRUE(isEventCode(codeOf("ONERASE")));
  EXPECT_FALSE(isEventCode(codeOf("print")));
  EXPECT_EQ(codes.mouseButtonEvents[0], codeOf("onLeftDown"));
  EXPECT_EQ(codes.mouseButtonEvents[5], codeOf("onMiddleUp"));
  EXPECT_EQ(eventCode(EventId::onErase), codeOf("onErase"));
}

TEST_F(Events, HandlersAreFoundAlongTheChain) {
  logo.run(R"(ask "ok [runevent "onClick print event? "onClick print myevent? "onClick]
              ask "cancel [runevent "onClick print myevent? "onClick print events])");
  EXPECT_EQ(take(), (Names{"class.click ok", "true", "false", "own.click cancel", "true", "onClick"}));
  logo.run("ask \"cancel [eraseevent \"onClick runevent \"onClick print event \"onClick]");
  EXPECT_EQ(take(), (Names{"class.click cancel", "( print \"class.click myname )"}));
}

TEST_F(Events, UnknownEventsAndMissingHandlers) {
  EXPECT_EQ(logo.errorOf("ask \"ok [setevent \"onNothing [print 1]]"), erUnDefEvenet);
  EXPECT_EQ(logo.errorOf("ask \"ok [eraseevent \"onClick]"), erUnDefEvenet);  // the class has it, not ok
  EXPECT_EQ(logo.errorOf("print event \"onPush"), erUnDefEvenet);
  logo.run(
      "print event? \"onPush runevent \"onPush ask \"ok [setevent \"onPush [print \"pushed] runevent "
      "\"onpush]");
  EXPECT_EQ(take(), (Names{"false", "pushed"}));
}

TEST_F(Events, StopInAHandlerEndsTheHandlerOnly) {
  logo.define("click.and.go.on", {}, "runevent \"onChange\nprint \"after");
  logo.run(R"(ask "ok [setevent "onChange [print "in stop print "notreached]]
              ok'click.and.go.on)");
  EXPECT_EQ(take(), (Names{"in", "after"}));
}

TEST_F(Events, RaisedEventsRunAsProcessesOfTheirObjectAndReportTheirErrors) {
  tmultiobject& ok = *object("ok");
  std::vector<std::string> completed;
  logo.run("ask \"ok [setevent \"onChange [(print \"running processname) wait 200]]");
  EXPECT_TRUE(raiseEvent(&ok, codeOf("onChange")));
  EXPECT_TRUE(raiseEvent(&ok, codeOf("onClick"), [&](tmultiobject* o) { completed.push_back(o->name()); }));
  EXPECT_FALSE(
      raiseEvent(&ok, codeOf("onPush"), [&](tmultiobject* o) { completed.push_back("none " + o->name()); }));
  EXPECT_TRUE(allThreads().exists("@okonChange"));
  EXPECT_TRUE(allThreads().waitUntilEmpty());
  Names printed = take();
  std::sort(printed.begin(), printed.end());
  EXPECT_EQ(printed, (Names{"class.click ok", "running @okonChange"}));
  std::sort(completed.begin(), completed.end());
  EXPECT_EQ(completed, (Names{"none ok", "ok"}));
  EXPECT_EQ(eventProcessName(&ok, codeOf("onClick")), "@okonClick");
  EXPECT_EQ(eventProcessName(nullptr, codeOf("onLoad")), "@nilonLoad");

  logo.run("ask \"ok [setevent \"onPush [wait 100 print \"before nosuchprocedure]]");
  EXPECT_TRUE(raiseEventAndWait(&ok, codeOf("onPush")));
  EXPECT_EQ(take(), Names{"before"});
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_NE(shownMessages()[0].caption.find("onPush"), std::string::npos);
  // The raiser's own state is untouched.
  EXPECT_EQ(threadState().currentObject.get(), nullptr);
  EXPECT_TRUE(threadState().objectStack.empty());
}

TEST_F(Events, PlannedNamesTheRaisedHandlersOfTheObjectUntilTheyEnd) {
  registerControlPrimitives(globalProcedures());
  registerVariablePrimitives(globalProcedures());
  tmultiobject& ok = *object("ok");
  logo.run("make \"go \"false ask \"ok [setevent \"onChange [waituntil [:go]]]");
  EXPECT_TRUE(raiseEvent(&ok, codeOf("onChange")));
  logo.run("ask \"ok [print .planned] ask \"cancel [print .planned] print .planned");
  EXPECT_EQ(take(), (Names{"@okonChange", "", ""}));
  logo.run("make \"go \"true");
  EXPECT_TRUE(allThreads().waitUntilEmpty());
  logo.run("ask \"ok [print .planned]");
  EXPECT_EQ(take(), Names{""});
}

TEST_F(Events, RunningHereLetsErrorsThrough) {
  logo.run("ask \"ok [setevent \"onPush [nosuchprocedure]]");
  EXPECT_EQ(logo.errorOf("ask \"ok [runevent \"onPush]"), erDoNotKnowHowTo);
  EXPECT_THROW(runEventHere(*object("ok"), codeOf("onPush")), eLogoException);
  EXPECT_TRUE(threadState().objectStack.empty());
}

}  // namespace
}  // namespace lx
