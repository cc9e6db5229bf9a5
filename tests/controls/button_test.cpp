// Buttons on a page pressed with the injected mouse and keys: handlers run
// once each, switches and groups release in order, a running handler
// blocks presses unless `userCanStop`, and tool buttons make the current tool.
#include <gtest/gtest.h>

#include "control_test_world.h"

namespace lx {
namespace {

using Lines = std::vector<std::string>;

class Buttons : public testing::ControlTest {
 protected:
  // A button at x, 10 of 60 x 28 pixels.
  void make(const std::string& name, int x, const std::string& more = "") {
    runAs("page1",
          "new \"Button [name " + name + " aPos [" + std::to_string(x) + " 10] size [60 28] " + more + "]");
    runAs(name, "setevent \"onPush [print \"push." + name + "] setevent \"onRelease [print \"release." +
                    name + "]");
  }
  void clickOn(int x) { click(x + 30, 24); }
};

TEST_F(Buttons, AClickRunsOnPushOnceAndAPressMovedOffRunsNothing) {
  make("b1", 10);
  clickOn(10);
  EXPECT_EQ(printed(), Lines{"push.b1"});
  EXPECT_EQ(print("b1", "down"), "false");
  mouse(MouseAction::Move, 40, 24);
  mouse(MouseAction::Down, 40, 24, MouseButton::Left);
  mouse(MouseAction::Move, 300, 200);
  mouse(MouseAction::Up, 300, 200, MouseButton::Left);
  EXPECT_EQ(printed(), Lines{});
  // Disabled, it takes no click.
  runAs("b1", "setenabled \"false");
  clickOn(10);
  EXPECT_EQ(printed(), Lines{});
}

TEST_F(Buttons, SpaceAndEnterPressTheFocusedButtonAndTabMovesTheFocus) {
  make("b1", 10);
  make("b2", 100);
  clickOn(10);  // takes the focus
  EXPECT_EQ(printed(), Lines{"push.b1"});
  EXPECT_TRUE(press(Key::Character, kNoModifiers, ' '));
  EXPECT_EQ(printed(), Lines{"push.b1"});
  EXPECT_TRUE(press(Key::Tab));
  EXPECT_TRUE(press(Key::Enter));
  EXPECT_EQ(printed(), Lines{"push.b2"});
  EXPECT_TRUE(press(Key::Tab, kShift));
  press(Key::Enter);
  EXPECT_EQ(printed(), Lines{"push.b1"});
  EXPECT_FALSE(press(Key::Character, kNoModifiers, 'x'));  // left to the key readers
}

TEST_F(Buttons, ASwitchStaysDownAndReleasesOnTheNextClick) {
  make("s", 10, "switch true");
  clickOn(10);
  EXPECT_EQ(printed(), Lines{"push.s"});
  EXPECT_EQ(print("s", "down"), "true");
  clickOn(10);
  EXPECT_EQ(printed(), Lines{"release.s"});
  EXPECT_EQ(print("s", "down"), "false");
}

TEST_F(Buttons, InAGroupTheDownButtonsReleaseRunsBeforeTheNextPush) {
  for (const char* name : {"g1", "g2", "g3"})
    make(name, 10 + 80 * (name[1] - '1'), "switch true group 1 allup false");
  clickOn(10);
  EXPECT_EQ(printed(), Lines{"push.g1"});
  clickOn(90);
  EXPECT_EQ(printed(), (Lines{"release.g1", "push.g2"}));
  EXPECT_EQ(print("g1", "down"), "false");
  EXPECT_EQ(print("g2", "down"), "true");
  // With allUp false the down button of the group stays down.
  clickOn(90);
  EXPECT_EQ(printed(), Lines{});
  EXPECT_EQ(print("g2", "down"), "true");
  // Another group, or another parent, is not a partner.
  make("other", 300, "switch true group 2");
  clickOn(300);
  EXPECT_EQ(printed(), Lines{"push.other"});
  EXPECT_EQ(print("g2", "down"), "true");
}

TEST_F(Buttons, WhileItsHandlerRunsAButtonTakesNoClickUnlessTheUserCanStopIt) {
  make("b1", 10);
  logo.run("make \"go \"false");
  runAs("b1", "setevent \"onPush [print \"start waituntil [:go] print \"end]");
  clickOn(10);
  clickOn(10);
  logo.run("make \"go \"true");
  EXPECT_EQ(printed(), (Lines{"start", "end"}));
  // A switch the user can stop: the second click releases it and stops
  // the push still running.
  make("s", 100, "switch true usercanstop true");
  logo.run("make \"go \"false");
  runAs("s", "setevent \"onPush [print \"start waituntil [:go] print \"end]");
  clickOn(100);
  ASSERT_TRUE(waitForLine("start"));
  clickOn(100);
  EXPECT_EQ(printed(), (Lines{"start", "release.s"}));
}

TEST_F(Buttons, AToolButtonBecomesTheCurrentToolUntilAnotherTakesOver) {
  runAs("page1",
        "new \"ToolButton [name pen aPos [10 10] size [60 28]] new \"ToolButton [name brush aPos [90 10] "
        "size [60 28]]");
  runAs("pen", "setevent \"onPush [print \"pen.on] setevent \"onRelease [print \"pen.off]");
  clickOn(10);
  EXPECT_EQ(printed(), Lines{"pen.on"});
  EXPECT_EQ(activeToolButton(), onPage("pen"));
  clickOn(90);
  EXPECT_EQ(printed(), Lines{"pen.off"});
  EXPECT_EQ(activeToolButton(), onPage("brush"));
  clickOn(90);
  EXPECT_EQ(activeToolButton(), nullptr);
}

TEST_F(Buttons, TheFaceShowsHoveringPressingAndTheFocus) {
  make("b1", 10);
  const auto face = [&] { return shown().pixel(14, 33); };
  EXPECT_EQ(face(), rgb(246, 246, 246));
  mouse(MouseAction::Move, 40, 24);
  EXPECT_EQ(face(), rgb(236, 236, 236));
  mouse(MouseAction::Down, 40, 24, MouseButton::Left);
  EXPECT_EQ(face(), rgb(214, 214, 214));
  // Held and moved off, it comes up; back on, it goes down again.
  mouse(MouseAction::Move, 300, 200);
  EXPECT_EQ(face(), rgb(236, 236, 236));
  mouse(MouseAction::Move, 40, 24);
  EXPECT_EQ(face(), rgb(214, 214, 214));
  mouse(MouseAction::Up, 40, 24, MouseButton::Left);
  EXPECT_EQ(face(), rgb(236, 236, 236));
  // The focus ring lies just outside the button.
  const Rgb ring = shown().pixel(9, 24);
  EXPECT_GT(int(ring & 0xFF), int(ring >> 16) + 100) << std::hex << ring;
  mouse(MouseAction::Leave, 300, 200);
  EXPECT_EQ(face(), rgb(246, 246, 246));
  printed();
}

TEST_F(Buttons, PropertiesReadBackAndWrongValuesAreErrors) {
  make("b1", 10);
  EXPECT_EQ(print("b1", "caption"), "b1");
  runAs("b1", "setcaption [Go on] setflat 2 setstyle 3 setgroup 4");
  EXPECT_EQ(print("b1", "(list caption flat style group)"), "Go on true 3 4");
  EXPECT_EQ(errorAs("b1", "setstyle 4"), erMinMax);
  EXPECT_EQ(errorAs("b1", "setdown [x]"), erNotBool);
  EXPECT_EQ(errorAs("b1", "setpicture []"), erUnexpected);
  EXPECT_EQ(errorAs("b1", "setpicture [1 2]"), erExpectImage);
  EXPECT_EQ(print("b1", "style"), "3");
}

}  // namespace
}  // namespace lx
