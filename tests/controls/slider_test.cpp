// Sliders on a page with the injected mouse and keys: paging, dragging,
// key steps, the events of changes and their coalescing, and the values a
// slider is made with.
#include <gtest/gtest.h>

#include "control_test_world.h"

namespace lx {
namespace {

using Lines = std::vector<std::string>;

// The slider spans x 10..160 at y 10..38; its thumb starts at the low end.
class Sliders : public testing::ControlTest {
 protected:
  Sliders() {
    runAs("page1", "new \"Slider [name s aPos [10 10] size [150 28]]");
    runAs("s",
          "setevent \"onChange [print (list \"change value)] setevent \"onChanged [print (list \"changed "
          "value)]");
  }
  std::string value() { return print("s", "value"); }
};

TEST_F(Sliders, APressBesideTheThumbPagesTowardIt) {
  click(150, 24);
  EXPECT_EQ(value(), "10");
  EXPECT_EQ(printed(), (Lines{"change 10", "changed 10"}));
  runAs("s", "setmax 5");
  printed();
  click(150, 24);
  EXPECT_EQ(value(), "5");  // a range of six pages by nothing
  EXPECT_EQ(printed(), Lines{});
}

TEST_F(Sliders, DraggingTheThumbMovesTheValueAndTheReleaseRaisesOnChanged) {
  // The thumb's leading edge is at 7 + 1.25 p pixels, 10 pixels long.
  mouse(MouseAction::Move, 22, 24);
  mouse(MouseAction::Down, 22, 24, MouseButton::Left);
  mouse(MouseAction::Move, 22 + 50, 24);
  mouse(MouseAction::Move, 22 + 500, 24);
  mouse(MouseAction::Up, 22 + 500, 24, MouseButton::Left);
  EXPECT_EQ(value(), "100");
  const Lines events = printed();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "changed 100");
  EXPECT_EQ(std::count(events.begin(), events.end(), "changed 100"), 1);
}

TEST_F(Sliders, ArrowsStepAndPageKeysPageWithTheFocus) {
  click(150, 24);
  printed();
  EXPECT_TRUE(press(Key::Right));
  EXPECT_EQ(printed(), (Lines{"change 11", "changed 11"}));
  press(Key::PageDown);
  EXPECT_EQ(printed(), (Lines{"change 21", "changed 21"}));
  press(Key::Home);
  EXPECT_EQ(printed(), (Lines{"change 0", "changed 0"}));
  press(Key::End);
  EXPECT_EQ(printed(), (Lines{"change 100", "changed 100"}));
  press(Key::Right);  // at the end already
  EXPECT_EQ(printed(), Lines{});
  EXPECT_EQ(value(), "100");
}

TEST_F(Sliders, SettingTheValueRaisesBothEventsOnlyWhenItChanges) {
  runAs("s", "setvalue 40");
  EXPECT_EQ(printed(), (Lines{"change 40", "changed 40"}));
  runAs("s", "setvalue 40");
  EXPECT_EQ(printed(), Lines{});
  runAs("s", "setvalue 400");
  EXPECT_EQ(printed(), (Lines{"change 100", "changed 100"}));
}

TEST_F(Sliders, ChangesWhileAHandlerRunsRunItOnceMoreAfterwards) {
  logo.run("make \"go \"false");
  runAs("s", "setevent \"onChange [print \"start waituntil [:go] print (list \"end value)]");
  runAs("s", "setvalue 1");
  runAs("s", "setvalue 2");
  runAs("s", "setvalue 3");
  logo.run("make \"go \"true");
  EXPECT_EQ(printed(), (Lines{"start", "end 3", "start", "end 3", "changed 3"}));
}

TEST_F(Sliders, TheValuesASliderIsMadeWithRaiseNothingThenOrLater) {
  runAs("page1", "new \"Slider [name made min 10 max 0 value 3]");
  runAs("made", "setevent \"onChange [print \"change] setevent \"onChanged [print \"changed]");
  runAs("made", "setvalue 3");
  EXPECT_EQ(printed(), Lines{});
  EXPECT_EQ(print("made", "(list min max value)"), "10 0 3");
}

TEST_F(Sliders, WrongValuesAreErrorsAndLeaveTheSliderAsItWas) {
  runAs("s", "setvalue 20");
  printed();
  EXPECT_EQ(errorAs("s", "setvalue \"x"), erExpectNumber);
  EXPECT_EQ(errorAs("s", "setmin [1]"), erExpectNumber);
  EXPECT_EQ(errorAs("s", "setthumblength 0"), erMinMax);
  EXPECT_EQ(errorAs("s", "setbgcolour \"nocolour"), erColorWrongName);
  EXPECT_EQ(value(), "20");
  EXPECT_EQ(printed(), Lines{});
}

}  // namespace
}  // namespace lx
