// A dialog's keyboard and mouse: Tab moves the focus, Enter accepts or
// presses the focused button, Escape cancels, the arrows move in the list,
// typing edits the field or jumps in a list; and how it is painted.
#include "controls/dialog_form.h"

#include <gtest/gtest.h>

#include "controls/control_painting.h"
#include "controls/dialog_painting.h"

namespace lx {
namespace {

void key(DialogForm& form, Key key, Modifiers modifiers = kNoModifiers) {
  form.key(KeyEvent{KeyAction::Down, key, 0, modifiers, false});
}

// Typing as a keyboard does it: the key, then the character it types.
void type(DialogForm& form, const std::string& text) {
  for (char c : text) {
    form.key(KeyEvent{KeyAction::Down, Key::Character, static_cast<unsigned char>(c), kNoModifiers, false});
    form.typed(static_cast<unsigned char>(c));
  }
}

DialogRequest choice(std::vector<std::string> items) {
  DialogRequest request = dialogRequest(DialogKind::Choice, "Chooser");
  request.items = std::move(items);
  request.selected = 0;
  return request;
}

void click(DialogForm& form, const PixelRect& rect, int clicks = 1) {
  form.mouse(MouseEvent{MouseAction::Down, rect.x + 4, rect.y + 4, MouseButton::Left, clicks, kNoModifiers});
}

TEST(DialogForm, TypedLineIsEditedAndEnterAcceptsItEscapeCancels) {
  DialogRequest request = dialogRequest(DialogKind::Text, "ReadWordDialog");
  request.text = "ab";
  DialogForm form(request);
  EXPECT_EQ(form.focusedPart(), DialogForm::Part::Field);
  type(form, "c");
  key(form, Key::Left);
  key(form, Key::Backspace);
  type(form, "x");
  key(form, Key::Home);
  key(form, Key::Delete);
  EXPECT_EQ(form.text(), "xc");
  EXPECT_FALSE(form.outcome());
  key(form, Key::Enter);
  ASSERT_TRUE(form.outcome());
  EXPECT_EQ(*form.outcome(), DialogAnswer("xc"));
  // Input after the end changes nothing.
  type(form, "zz");
  EXPECT_EQ(form.text(), "xc");

  DialogForm cancelled(request);
  type(cancelled, "q");
  key(cancelled, Key::Escape);
  ASSERT_TRUE(cancelled.outcome());
  EXPECT_FALSE(*cancelled.outcome());
}

TEST(DialogForm, TabGoesRoundTheFieldTheListAndTheButtons) {
  DialogRequest request = dialogRequest(DialogKind::File, "OpenChooser");
  request.items = {"a.png", "b.png"};
  DialogForm form(request);
  EXPECT_EQ(form.focusedPart(), DialogForm::Part::Field);
  key(form, Key::Tab);
  EXPECT_EQ(form.focusedPart(), DialogForm::Part::List);
  key(form, Key::Tab);
  EXPECT_EQ(form.focusedButton(), 0);
  key(form, Key::Tab);
  EXPECT_EQ(form.focusedButton(), 1);
  key(form, Key::Tab);
  EXPECT_EQ(form.focusedPart(), DialogForm::Part::Field);
  key(form, Key::Tab, kShift);
  EXPECT_EQ(form.focusedButton(), 1);
  // Enter on Cancel cancels even with a name in the field.
  key(form, Key::Enter);
  ASSERT_TRUE(form.outcome());
  EXPECT_FALSE(*form.outcome());
}

TEST(DialogForm, ArrowsMoveInTheListAndLettersJumpToAnItem) {
  std::vector<std::string> items;
  for (int i = 0; i < 20; ++i) items.push_back("item" + std::to_string(i));
  items.push_back("zebra");
  DialogForm form(choice(items));
  EXPECT_EQ(form.selected(), 0);
  key(form, Key::Down);
  key(form, Key::Down);
  key(form, Key::Up);
  EXPECT_EQ(form.selected(), 1);
  key(form, Key::Up);
  key(form, Key::Up);  // stays on the first
  EXPECT_EQ(form.selected(), 0);
  key(form, Key::PageDown);
  EXPECT_EQ(form.selected(), DialogForm::kVisibleRows - 1);
  key(form, Key::End);
  EXPECT_EQ(form.selected(), 20);
  // The list scrolls to keep the selection in sight.
  EXPECT_EQ(form.firstVisibleRow(), 21 - DialogForm::kVisibleRows);
  key(form, Key::Home);
  EXPECT_EQ(form.firstVisibleRow(), 0);
  type(form, "Z");
  EXPECT_EQ(form.selected(), 20);
  type(form, "i");  // from the end round to the first item with i
  EXPECT_EQ(form.selected(), 0);
  type(form, "i");
  EXPECT_EQ(form.selected(), 1);
  key(form, Key::Enter);
  ASSERT_TRUE(form.outcome());
  EXPECT_EQ(*form.outcome(), DialogAnswer("item1"));
}

TEST(DialogForm, AnEmptyListOffersNothingToAccept) {
  DialogForm form(choice({}));
  key(form, Key::Down);
  key(form, Key::Enter);
  ASSERT_TRUE(form.outcome());
  EXPECT_FALSE(*form.outcome());
}

TEST(DialogForm, ButtonsOfItsOwnAnswerTheirCaptions) {
  DialogRequest request = dialogRequest(DialogKind::Buttons, "DialogBox");
  request.prompt = "Which one?";
  request.items = {"red", "green", "blue"};
  DialogForm form(request);
  EXPECT_EQ(form.focusedButton(), 0);
  key(form, Key::Right);
  key(form, Key::Right);
  key(form, Key::Right);  // stays on the last
  key(form, Key::Left);
  form.typed(' ');
  ASSERT_TRUE(form.outcome());
  EXPECT_EQ(*form.outcome(), DialogAnswer("green"));
  // The buttons stand left to right in a row, at the bottom, apart.
  const std::vector<PixelRect>& rects = form.layout().buttons;
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_LT(rects[0].right(), rects[1].x);
  EXPECT_LT(rects[1].right(), rects[2].x);
  EXPECT_LE(rects[2].right(), form.layout().width - DialogForm::kMargin);
  EXPECT_GE(rects[0].x, DialogForm::kMargin);
  EXPECT_GT(rects[0].y, form.layout().prompt.bottom());
}

TEST(DialogForm, ChoosingAFileFillsTheField) {
  DialogRequest request = dialogRequest(DialogKind::File, "OpenChooser");
  request.items = {"a.png", "b.png"};
  request.text = "typed.png";
  DialogForm form(request);
  EXPECT_EQ(form.text(), "typed.png");  // nothing chosen yet
  key(form, Key::Down);                 // from the field into the list
  EXPECT_EQ(form.text(), "a.png");
  key(form, Key::Down);
  EXPECT_EQ(form.text(), "b.png");
  key(form, Key::Backspace);
  type(form, "jpg");
  EXPECT_EQ(form.text(), "b.pnjpg");
  key(form, Key::Enter);
  EXPECT_EQ(*form.outcome(), DialogAnswer("b.pnjpg"));
}

TEST(DialogForm, ClicksChooseRowsAndPressButtons) {
  DialogForm form(choice({"one", "two", "three"}));
  const PixelRect list = form.layout().list;
  click(form, {list.x, list.y + 2 * DialogForm::kRowHeight, 0, 0});
  EXPECT_EQ(form.selected(), 2);
  EXPECT_FALSE(form.outcome());
  click(form, {list.x, list.y + DialogForm::kRowHeight, 0, 0}, 2);  // a double click accepts
  EXPECT_EQ(*form.outcome(), DialogAnswer("two"));

  DialogForm cancelled(choice({"one"}));
  click(cancelled, cancelled.layout().buttons[1]);
  ASSERT_TRUE(cancelled.outcome());
  EXPECT_FALSE(*cancelled.outcome());
}

TEST(DialogForm, FormTextsComeFromTheInterfaceDictionary) {
  DialogForm form(dialogRequest(DialogKind::Choice, "ColourChooser"));
  EXPECT_EQ(form.caption(), "Colour");
  EXPECT_EQ(form.buttons(), (std::vector<std::string>{"OK", "Cancel"}));
  EXPECT_EQ(formText("LinePatternChooser", "1", "?"), "Dashes");
  EXPECT_EQ(formText("NoSuchForm", "Cancel", "?"), "Cancel");  // from $common
  EXPECT_EQ(formText("NoSuchForm", "NoSuchKey", "?"), "?");
  // The project's caption wins over the form's.
  EXPECT_EQ(DialogForm(dialogRequest(DialogKind::Text, "ReadWordDialog", "Mine")).caption(), "Mine");
}

TEST(DialogFormPainting, TheSelectedRowAndTheFocusShow) {
  DialogForm form(choice({"one", "two", "three"}));
  key(form, Key::Down);
  PixelBuffer pixels(form.layout().width, form.layout().height);
  paintDialog(form, pixels);
  const PixelRect list = form.layout().list;
  const int x = list.right() - 6;  // right of the text
  EXPECT_EQ(pixels.pixel(x, list.y + 1 + DialogForm::kRowHeight + DialogForm::kRowHeight / 2),
            look::kSelection);
  EXPECT_EQ(pixels.pixel(x, list.y + 1 + DialogForm::kRowHeight / 2), kWhite);
  // The list has the focus: its border wears the accent, not the plain border.
  EXPECT_NE(pixels.pixel(list.x, list.y + list.height / 2), pixels.pixel(0, 0));

  key(form, Key::Tab);  // to OK: the selection greys
  paintDialog(form, pixels);
  EXPECT_EQ(pixels.pixel(x, list.y + 1 + DialogForm::kRowHeight + DialogForm::kRowHeight / 2),
            look::kSelectionUnfocused);
}

}  // namespace
}  // namespace lx
