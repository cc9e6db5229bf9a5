// Text boxes on a page with injected keys and mouse: typing, selecting,
// the clipboard, one-line mode, refused characters, events, printed text,
// and the errors of wrong inputs.
#include <gtest/gtest.h>

#include <chrono>

#include "control_test_world.h"
#include "platform/clipboard.h"

namespace lx {
namespace {

using Lines = std::vector<std::string>;

class TextBox : public testing::ControlTest {
 protected:
  TextBox() {
    runAs("page1", "new \"TextBox [name tb aPos [10 10] size [200 60]]");
    runAs("tb", "setediting \"true");
  }
  std::string value() { return print("tb", "value"); }
};

TEST_F(TextBox, TypedTextGoesInAndTheKeysEditIt) {
  type("hello world");
  EXPECT_EQ(value(), "hello world");
  EXPECT_TRUE(press(Key::Backspace, kCtrl));
  EXPECT_EQ(value(), "hello ");
  press(Key::Home);
  press(Key::Right, kShift);
  type("J");
  EXPECT_EQ(value(), "Jello ");
  press(Key::End);
  press(Key::Left, kCtrl);
  press(Key::Delete);
  EXPECT_EQ(value(), "ello ");
  press(Key::Enter);
  type("second");
  EXPECT_EQ(value(), "\r\nsecondello ");
  // A line break counts as one character of the selection.
  EXPECT_EQ(print("tb", "selection"), "7 0");
}

TEST_F(TextBox, ShiftArrowsSelectAndTheClipboardCopiesCutsAndPastes) {
  type("one two three");
  press(Key::Left, kCtrl | kShift);
  EXPECT_EQ(print("tb", "selectedtext"), "three");
  EXPECT_TRUE(ctrl('x'));
  EXPECT_EQ(clipboardText(), "three");
  EXPECT_EQ(value(), "one two ");
  press(Key::Home);
  ctrl('v');
  EXPECT_EQ(value(), "threeone two ");
  ctrl('a');
  ctrl('c');
  EXPECT_EQ(clipboardText(), "threeone two ");
  setClipboardText("line one\r\nline two");
  press(Key::Insert, kShift);
  EXPECT_EQ(value(), "line one\r\nline two");
}

TEST_F(TextBox, OneLineModeKeepsTheFirstLineAndPastesOnlyTheFirstLine) {
  runAs("tb", "setvalue \"|a\nb\nc| setoneline \"true");
  EXPECT_EQ(value(), "a");
  setClipboardText("first\r\nsecond");
  ctrl('v');
  EXPECT_EQ(value(), "afirst");
  EXPECT_FALSE(press(Key::Enter));  // ignored here: a key menu may take it
  EXPECT_EQ(value(), "afirst");
}

TEST_F(TextBox, ACharacterInternalTextCannotHoldIsRefusedVisibly) {
  type("ok");
  EXPECT_TRUE(offer(CharEvent{0, true}));
  EXPECT_EQ(value(), "ok");
  // The border turns red until the next key.
  const PixelBuffer& picture = shown();
  EXPECT_EQ(picture.pixel(10 + 100, 10), rgb(224, 27, 36));
  type("!");
  EXPECT_EQ(shown().pixel(10 + 100, 10), rgb(53, 132, 228));
}

TEST_F(TextBox, TheMouseSetsTheCaretAndDragsASelection) {
  runAs("tb", "setvalue \"|abcdef ghijkl|");
  mouse(MouseAction::Move, 12, 20);
  mouse(MouseAction::Down, 12, 20, MouseButton::Left);
  mouse(MouseAction::Move, 300, 20);
  mouse(MouseAction::Up, 300, 20, MouseButton::Left);
  EXPECT_EQ(print("tb", "selectedtext"), "abcdef ghijkl");
  mouse(MouseAction::Down, 14, 20, MouseButton::Left, 2);
  mouse(MouseAction::Up, 14, 20, MouseButton::Left, 2);
  EXPECT_EQ(print("tb", "selectedtext"), "abcdef");
}

TEST_F(TextBox, EscapeEndsEditingUnlessTheBoxStaysEditing) {
  runAs("tb", "setstayediting \"true");
  EXPECT_TRUE(press(Key::Escape));
  EXPECT_EQ(print("tb", "editing"), "true");
  runAs("tb", "setstayediting \"false");
  press(Key::Escape);
  EXPECT_EQ(print("tb", "editing"), "false");
  // Not being edited, the box takes no keys.
  EXPECT_FALSE(press(Key::Character, kNoModifiers, 'x'));
}

TEST_F(TextBox, EveryChangeRaisesOnChangeOnceAndABurstRunsOneHandlerAtATime) {
  runAs("tb", "setevent \"onChange [print (list \"change value)]");
  type("a");
  EXPECT_EQ(printed(), Lines{"change a"});
  logo.run("make \"go \"false");
  runAs("tb", "setevent \"onChange [print \"start waituntil [:go] print (list \"end value)]");
  type("bcd");
  logo.run("make \"go \"true");
  // The first handler ran for "b"; the changes made meanwhile ran it once more.
  EXPECT_EQ(printed(), (Lines{"start", "end abcd", "start", "end abcd"}));
  press(Key::Left);  // a move is no change
  EXPECT_EQ(printed(), Lines{});
}

TEST_F(TextBox, AMegabytePasteIsKeptWholeAndTheBoxStaysQuick) {
  std::string huge;
  for (int line = 0; huge.size() < 1 << 20; ++line)
    huge += "line " + std::to_string(line) + " of a long paste\r\n";
  setClipboardText(huge + std::string(300000, 'x'));
  const auto start = std::chrono::steady_clock::now();
  ctrl('v');
  type("!");
  press(Key::Home, kCtrl);
  press(Key::End, kCtrl);
  shown();
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(print("tb", "count value"), std::to_string(huge.size() + 300001));
  // Generous: laying out everything would take many seconds.
  EXPECT_LT(took, std::chrono::seconds(5));
  runAs("tb", "setoneline \"true");
  press(Key::End);
  shown();
}

TEST_F(TextBox, WrongInputsAreTheirErrorsAndChangeNothing) {
  runAs("tb", "setvalue \"kept");
  EXPECT_EQ(errorAs("tb", "setediting [1 2]"), erNotBool);
  EXPECT_EQ(errorAs("tb", "setcolour \"nocolour"), erColorWrongName);
  EXPECT_EQ(errorAs("tb", "setfont 5"), erExpectList);
  EXPECT_EQ(errorAs("tb", "setselection [1]"), erExpectList2);
  EXPECT_EQ(errorAs("tb", "setselection [-1 2]"), erMinMax);
  EXPECT_EQ(errorAs("tb", "setsize [10]"), erExpectedXY);
  EXPECT_EQ(errorAs("tb", "printme"), erNoPrint);
  EXPECT_EQ(errorAs("tb", "print (value \"true 2)"), erTooManyInputs);
  EXPECT_EQ(print("tb", "(value \"true)"), "kept");
  EXPECT_EQ(value(), "kept");
  runAs("tb", "setselection [1 2]");
  EXPECT_EQ(print("tb", "selectedtext"), "ep");
  runAs("tb", "setselectedtext \"ee");
  EXPECT_EQ(value(), "keet");
}

TEST_F(TextBox, AStampedBoxStaysInTheDrawingAfterItIsErased) {
  runAs("tb", "setediting \"false setbgcolour [0 0 255] setvalue \"|stamped|");
  runAs("tb", "stamp");
  logo.run("ask \"page1 [eraseobject \"tb]");
  EXPECT_EQ(surfaceOf(*object("page1"))->pixelAt(150, 50), rgb(0, 0, 255));
}

TEST_F(TextBox, ATransparentBoxLetsTheDrawingShowThrough) {
  runAs("page1", "setbgcolour [0 200 0]");
  runAs("tb", "setediting \"false settransparent \"true");
  EXPECT_EQ(shown().pixel(150, 50), rgb(0, 200, 0));
  runAs("tb", "settransparent \"false");
  EXPECT_EQ(shown().pixel(150, 50), kWhite);
}

}  // namespace
}  // namespace lx
