// Hint tooltips at the main window: a turtle's `hint` shows near a pointer
// that rests over it, drawn over the window's picture, and goes when the
// pointer moves off, leaves the window or presses a button.
#include "graphics/hint_tooltip.h"

#include <gtest/gtest.h>

#include "graphics/main_window.h"
#include "graphics/window_object.h"
#include "page_test_world.h"

namespace lx {
namespace {

using namespace std::chrono_literals;

// In a 900 x 600 window the 796 x 499 page stands at (52, 50), so the
// turtle t1 at the page's centre is at (450, 299) of the window.
constexpr PixelPoint kTurtle{450, 299};

class HintTooltipTest : public testing::PageTest {
 protected:
  HintTooltipTest() {
    window = &makeMainWindow("");
    platform = window->params.window.get();
    platform->setClientSize(900, 600);
  }

  void move(PixelPoint at) { platform->queueInput(MouseEvent{MouseAction::Move, at.x, at.y}); }
  // Delivers the input queued and fires the timers that are due.
  void settle() {
    uiThread().runPending();
    uiThread().runPending();
  }
  // Just long enough for the tooltip to show.
  void rest() {
    settle();
    clock.advance(kHintDelay);
    settle();
  }
  // The tooltip's face pixels the window shows within 80 pixels of `at`.
  int facePixelsNear(PixelPoint at) {
    platform->paintNow();
    int count = 0;
    for (int y = at.y - 80; y <= at.y + 80; ++y)
      for (int x = at.x - 80; x <= at.x + 80; ++x) count += platform->pixels().pixel(x, y) == kHintFace;
    return count;
  }

  ManualClock clock;
  tSplitwindow* window = nullptr;
  PlatformWindow* platform = nullptr;
};

TEST_F(HintTooltipTest, AHintShowsWhenThePointerRestsAndGoesWhenItMovesOff) {
  runAs("page1", "ask \"t1 [sethint \"|Hello there|]");
  move(kTurtle);
  settle();
  clock.advance(kHintDelay - 1ms);
  settle();
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
  clock.advance(1ms);
  settle();
  EXPECT_GT(facePixelsNear(kTurtle), 200);
  // Drawn over the window only: the page's own picture is untouched.
  tgrScreen& page = *window->currentPage()->surface();
  page.window().paintNow();
  int onPage = 0;
  for (int y = 249; y < 340; ++y)
    for (int x = 340; x < 480; ++x) onPage += page.window().pixels().pixel(x, y) == kHintFace;
  EXPECT_EQ(onPage, 0);
  // Moving within the turtle keeps it; moving off takes it away.
  move({kTurtle.x + 1, kTurtle.y});
  settle();
  EXPECT_GT(facePixelsNear(kTurtle), 200);
  move({100, 100});
  settle();
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
}

TEST_F(HintTooltipTest, AHintGoesByItselfAfterItsTime) {
  runAs("page1", "ask \"t1 [sethint \"tip]");
  move(kTurtle);
  rest();
  clock.advance(kHintDuration - 1ms);
  settle();
  EXPECT_GT(facePixelsNear(kTurtle), 0);
  clock.advance(1ms);
  settle();
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
}

TEST_F(HintTooltipTest, NoTooltipWithoutAHintOrAwayFromTheTurtle) {
  move(kTurtle);
  rest();
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
  runAs("page1", "ask \"t1 [sethint \"tip]");
  move({100, 100});
  rest();
  EXPECT_EQ(facePixelsNear({100, 100}), 0);
}

TEST_F(HintTooltipTest, APressOrLeavingTheWindowTakesItAway) {
  runAs("page1", "ask \"t1 [sethint \"tip]");
  move(kTurtle);
  rest();
  ASSERT_GT(facePixelsNear(kTurtle), 0);
  platform->queueInput(MouseEvent{MouseAction::Down, kTurtle.x, kTurtle.y, MouseButton::Left});
  platform->queueInput(MouseEvent{MouseAction::Up, kTurtle.x, kTurtle.y, MouseButton::Left});
  rest();
  // Pressed away, it stays away while the pointer stays on the turtle.
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
  move({100, 100});
  move(kTurtle);
  rest();
  ASSERT_GT(facePixelsNear(kTurtle), 0);
  platform->queueInput(MouseEvent{MouseAction::Leave, 0, 0});
  settle();
  EXPECT_EQ(facePixelsNear(kTurtle), 0);
}

TEST(HintBox, SitsBelowThePointerGrowsWithLinesAndStaysInTheWindow) {
  const PixelRect one = hintBoxAt("tip", {100, 100}, 800, 600);
  EXPECT_EQ(one.x, 100);
  EXPECT_GT(one.y, 100);
  const PixelRect two = hintBoxAt("tip\rtop", {100, 100}, 800, 600);
  EXPECT_GT(two.height, one.height * 3 / 2);
  // Near the lower right corner it moves left and above the pointer.
  const PixelRect corner = hintBoxAt("a longer tip", {795, 595}, 800, 600);
  EXPECT_LE(corner.x + corner.width, 800);
  EXPECT_LT(corner.y + corner.height, 595);
  // A window smaller than the box keeps the box's upper-left corner in it.
  const PixelRect tiny = hintBoxAt("a longer tip", {5, 5}, 10, 10);
  EXPECT_EQ(tiny.x, 0);
  EXPECT_EQ(tiny.y, 0);
}

}  // namespace
}  // namespace lx
