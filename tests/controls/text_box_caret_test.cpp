// The text box's caret on the clock and pastes of text the box cannot hold:
// the caret blinks while the box has the focus and shows at once after
// each key; a paste leaves out what internal text cannot hold and says so.
#include <gtest/gtest.h>

#include "control_test_world.h"
#include "controls/text_box_class.h"
#include "platform/clock.h"
#include "platform/headless_backend.h"

namespace lx {
namespace {

using namespace std::chrono_literals;

class TextBoxCaret : public testing::ControlTest {
 protected:
  TextBoxCaret() {
    runAs("page1", "new \"TextBox [name tb aPos [10 10] size [200 60]]");
    runAs("tb", "setediting \"true");
  }
  tlogotext& box() { return textBoxOf(*onPage("tb")); }
  // Moves the clock and fires the timers that came due.
  void advance(std::chrono::milliseconds step) {
    clock.advance(step);
    uiThread().runPending();
  }
  // The box's pixels as they show now.
  std::vector<Rgb> boxPixels() {
    const PixelBuffer& picture = shown();
    std::vector<Rgb> pixels;
    for (int y = 10; y < 70; ++y)
      for (int x = 10; x < 210; ++x) pixels.push_back(picture.pixel(x, y));
    return pixels;
  }
  static int differing(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
  }

  ManualClock clock;
};

TEST_F(TextBoxCaret, TheCaretBlinksOnTheClockAndShowsAtOnceAfterAKey) {
  type("ab");
  const std::vector<Rgb> withCaret = boxPixels();
  EXPECT_TRUE(box().caretShown());
  advance(CaretBlink::kHalfPeriod - 1ms);
  EXPECT_TRUE(box().caretShown());
  advance(1ms);
  EXPECT_FALSE(box().caretShown());
  // Only the caret's thin line goes; the text stays.
  const int gone = differing(boxPixels(), withCaret);
  EXPECT_GT(gone, 5);
  EXPECT_LT(gone, 60);
  advance(CaretBlink::kHalfPeriod);
  EXPECT_TRUE(box().caretShown());
  advance(CaretBlink::kHalfPeriod);
  EXPECT_FALSE(box().caretShown());
  // A key shows it again and starts a whole turn.
  press(Key::Left);
  EXPECT_TRUE(box().caretShown());
  advance(CaretBlink::kHalfPeriod);
  press(Key::Right);  // back where it was, and shown
  EXPECT_EQ(differing(boxPixels(), withCaret), 0);
  advance(CaretBlink::kHalfPeriod - 1ms);
  EXPECT_TRUE(box().caretShown());
}

TEST_F(TextBoxCaret, NoCaretAndNoBlinkingWithoutTheFocus) {
  type("ab");
  runAs("tb", "setediting \"false");
  EXPECT_FALSE(box().caretShown());
  advance(CaretBlink::kHalfPeriod);
  EXPECT_FALSE(box().caretShown());
  // Erasing the box while its caret blinks leaves no timer reaching it.
  runAs("tb", "setediting \"true");
  advance(CaretBlink::kHalfPeriod);
  runAs("page1", "eraseobject \"tb");
  advance(CaretBlink::kHalfPeriod * 3);
  EXPECT_EQ(onPage("tb"), nullptr);
}

TEST_F(TextBoxCaret, APasteLeavesOutWhatInternalTextCannotHoldAndShowsTheRefusal) {
  auto& backend = dynamic_cast<HeadlessBackend&>(platform());
  // "č" is in the internal code page; the CJK character and the emoji are not.
  backend.setClipboardFromSystem(
      "a\xC4\x8D\xE4\xB8\xAD"
      "b\xF0\x9F\x98\x80"
      "c");
  ctrl('v');
  EXPECT_EQ(print("tb", "count value"), "4");
  EXPECT_EQ(print("tb", "value"),
            "a\xE8"
            "bc");
  EXPECT_TRUE(box().refusing());
  EXPECT_EQ(shown().pixel(10 + 100, 10), rgb(224, 27, 36));
  // A clean paste clears the mark.
  backend.setClipboardFromSystem("d");
  ctrl('v');
  EXPECT_FALSE(box().refusing());
  EXPECT_EQ(print("tb", "value"),
            "a\xE8"
            "bcd");
}

TEST_F(TextBoxCaret, AMegabyteOfUnholdableTextPastesQuicklyAsNothing) {
  auto& backend = dynamic_cast<HeadlessBackend&>(platform());
  std::string huge;
  for (int i = 0; i < 250000; ++i) huge += "\xF0\x9F\x98\x80";  // a megabyte of emoji
  huge += "end";
  backend.setClipboardFromSystem(huge);
  ctrl('v');
  EXPECT_EQ(print("tb", "value"), "end");
  EXPECT_TRUE(box().refusing());
}

}  // namespace
}  // namespace lx
