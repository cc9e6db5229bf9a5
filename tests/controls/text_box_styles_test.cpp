// Styles of parts of a text box's text: Ctrl+B, Ctrl+I and Ctrl+U on a
// selection, the marked-up text that carries them, and its wrong forms.
#include <gtest/gtest.h>

#include "control_test_world.h"

namespace lx {
namespace {

class TextBoxStyles : public testing::ControlTest {
 protected:
  TextBoxStyles() {
    runAs("page1", "new \"TextBox [name tb aPos [10 10] size [300 60] growWithValue false]");
    runAs("tb", "setediting \"true");
  }
  // The runs of the marked-up text (its fourth element), or "none".
  std::string runs() {
    if (print("tb", "count richText") == "3") return "none";
    return print("tb", "item 4 richText");
  }
  // Dark pixels of the text within [from, to) of the box's width.
  int inkBetween(int from, int to) {
    const PixelBuffer& picture = shown();
    int count = 0;
    for (int x = 10 + from; x < 10 + to; ++x)
      for (int y = 14; y < 34; ++y) count += (picture.pixel(x, y) & 0xFF) < 100;
    return count;
  }
};

TEST_F(TextBoxStyles, CtrlBOnASelectionMakesItBoldAndAgainTakesItBack) {
  type("plain bold");
  const int plainInk = inkBetween(40, 120);
  press(Key::Left, kCtrl | kShift);  // selects "bold"
  ctrl('b');
  EXPECT_EQ(runs(), "[6 4 1]");
  press(Key::End);                           // the selection's colours away
  EXPECT_GT(inkBetween(40, 120), plainInk);  // bold letters are heavier
  // The whole font is untouched.
  EXPECT_EQ(print("tb", "item 2 item 2 font"), "400");
  press(Key::Left, kCtrl | kShift);
  ctrl('b');
  EXPECT_EQ(runs(), "none");
  // A mixed selection becomes all bold first.
  press(Key::Right, kShift);
  ctrl('b');
  ctrl('a');
  ctrl('b');
  EXPECT_EQ(runs(), "[0 10 1]");
  ctrl('i');
  ctrl('u');
  EXPECT_EQ(runs(), "[0 10 7]");
  // Typing at the end goes on in that style.
  press(Key::End);
  type("!");
  EXPECT_EQ(runs(), "[0 11 7]");
}

TEST_F(TextBoxStyles, TheMarkedUpTextSetsAndReadsTheStyledRuns) {
  runAs("tb", "setrichText [|one two three| [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [[4 3 1] [8 5 2]]]");
  EXPECT_EQ(print("tb", "value"), "one two three");
  EXPECT_EQ(runs(), "[4 3 1] [8 5 2]");
  // A bold font shows the flipped run plain: the flip is kept as it is.
  runAs("tb", "setrichText [|one two| [[DejaVu Sans] [12 700 0 0 0 0]] [0 0 0] [[0 3 1]]]");
  EXPECT_EQ(runs(), "[0 3 1]");
  // Runs beyond the text are cut to it.
  runAs("tb", "setrichText [abc [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [[1 50 4]]]");
  EXPECT_EQ(runs(), "[1 2 4]");
}

TEST_F(TextBoxStyles, AWrongMarkedUpTextLeavesTheBoxAsItWas) {
  runAs("tb", "setrichText [|kept| [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [[0 2 1]]]");
  EXPECT_EQ(errorAs("tb", "setrichText [new [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [[0 2]]]"),
            erBadStructure);
  EXPECT_EQ(errorAs("tb", "setrichText [new [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [[0 2 9]]]"), erMinMax);
  EXPECT_EQ(errorAs("tb", "setrichText [new [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] word]"), erExpectList);
  EXPECT_EQ(errorAs("tb", "setrichText [new [[DejaVu Sans] [12 400 0 0 0 0]] [0 0 0] [] extra]"),
            erBadStructure);
  EXPECT_EQ(print("tb", "value"), "kept");
  EXPECT_EQ(runs(), "[0 2 1]");
}

// The box stands at (10, 10), 300 wide: the toolbar is centred 5 pixels
// below it (no room above) at x 10 + (300 - 84) / 2 = 118, y 10 + 60 + 5.
constexpr int kToolbarX = 118;
constexpr int kToolbarY = 75;

TEST_F(TextBoxStyles, TheFontToolbarShowsWithTheFocusAndStylesTheSelection) {
  EXPECT_EQ(shown().pixel(kToolbarX + 1, kToolbarY + 14), rgb(232, 232, 232));
  type("some text");
  press(Key::Left, kCtrl | kShift);
  // The italic toggle is the second: a press there keeps the focus in the box.
  click(kToolbarX + 3 + 27 + 12, kToolbarY + 3 + 12);
  EXPECT_EQ(runs(), "[5 4 2]");
  type("x");
  EXPECT_EQ(print("tb", "value"), "some x");
  // Without the focus, while not edited, or when not wanted, it is gone.
  runAs("tb", "setshowToolbar \"false");
  EXPECT_EQ(shown().pixel(kToolbarX + 1, kToolbarY + 14), rgb(255, 255, 255));
  runAs("tb", "setshowToolbar \"true");
  EXPECT_EQ(shown().pixel(kToolbarX + 1, kToolbarY + 14), rgb(232, 232, 232));
  runAs("tb", "setediting \"false");
  EXPECT_EQ(shown().pixel(kToolbarX + 1, kToolbarY + 14), rgb(255, 255, 255));
  // It follows the box.
  runAs("tb", "setediting \"true setaPos [10 200]");
  EXPECT_EQ(shown().pixel(kToolbarX + 1, 200 - 5 - 15), rgb(232, 232, 232));
}

}  // namespace
}  // namespace lx
