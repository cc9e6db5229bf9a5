// Where a button's handlers run and moving controls with the mouse: with
// `useWho` the page's procedures come first, without it the button's own;
// `startMove` lets the user carry a control to another place.
#include <gtest/gtest.h>

#include "control_test_world.h"
#include "interp/procedure_definition.h"

namespace lx {
namespace {

using Lines = std::vector<std::string>;

class ButtonSetting : public testing::ControlTest {
 protected:
  ButtonSetting() {
    runAs("page1", "new \"Button [name b1 aPos [10 10] size [60 28]]");
    runAs("b1", "setevent \"onPush [act]");
    InterpreterLockScope locked;
    defineProcedure(object("page1")->procedures(), procedureFromText("to act\nprint \"page\nend"));
    defineProcedure(onPage("b1")->procedures(), procedureFromText("to act\nprint \"button\nend"));
  }
};

TEST_F(ButtonSetting, UseWhoRunsTheHandlersWithThePagesProceduresFirst) {
  EXPECT_EQ(print("b1", "useWho"), "true");
  click(40, 24);
  EXPECT_EQ(printed(), Lines{"page"});
  runAs("b1", "setuseWho \"false");
  click(40, 24);
  EXPECT_EQ(printed(), Lines{"button"});
  // A handler given as text of its own still finds the button's procedures.
  runAs("b1", "setuseWho \"true setevent \"onPush [print myname]");
  click(40, 24);
  EXPECT_EQ(printed(), Lines{"b1"});
}

TEST_F(ButtonSetting, StartMoveCarriesTheControlUntilTheButtonIsReleased) {
  mouse(MouseAction::Move, 20, 20);
  mouse(MouseAction::Down, 20, 20, MouseButton::Left);
  runAs("b1", "startMove");
  mouse(MouseAction::Move, 70, 50, MouseButton::None);
  EXPECT_EQ(print("b1", "aPos"), "60 40");
  mouse(MouseAction::Move, 120, 80);
  mouse(MouseAction::Up, 120, 80, MouseButton::Left);
  EXPECT_EQ(print("b1", "aPos"), "110 70");
  // The press that carried it did not push it; the next click does.
  EXPECT_EQ(printed(), Lines{});
  mouse(MouseAction::Move, 200, 200);
  mouse(MouseAction::Move, 140, 90);
  EXPECT_EQ(print("b1", "aPos"), "110 70");
  click(140, 90);
  EXPECT_EQ(printed(), Lines{"page"});
}

TEST_F(ButtonSetting, SlidersAndTextBoxesMoveToo) {
  runAs("page1", "new \"Slider [name s aPos [10 100] size [120 24]]");
  mouse(MouseAction::Move, 15, 105);
  mouse(MouseAction::Down, 15, 105, MouseButton::Left);
  runAs("s", "startMove");
  mouse(MouseAction::Move, 25, 205);
  mouse(MouseAction::Up, 25, 205, MouseButton::Left);
  EXPECT_EQ(print("s", "aPos"), "20 200");
  runAs("page1", "new \"TextBox [name tb aPos [300 10] size [80 40]]");
  mouse(MouseAction::Move, 310, 20);
  mouse(MouseAction::Down, 310, 20, MouseButton::Left);
  runAs("tb", "startMove");
  mouse(MouseAction::Up, 330, 25, MouseButton::Left);
  EXPECT_EQ(print("tb", "aPos"), "320 15");
}

}  // namespace
}  // namespace lx
