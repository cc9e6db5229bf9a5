// The edits of a text box's text, without painting: typing, deleting by
// character and word, moving and selecting, one-line mode and line ends.
#include "controls/text_editing.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TextEditing typed(const std::string& text) {
  TextEditing edit;
  for (char c : text) edit.insertCharacter(static_cast<unsigned char>(c));
  return edit;
}

TEST(TextEditing, TypingInsertsAtTheCaretAndReplacesTheSelection) {
  TextEditing edit = typed("helo");
  edit.move(CaretMove::CharLeft, Extend::No);
  edit.insertCharacter('l');
  EXPECT_EQ(edit.text(), "hello");
  EXPECT_EQ(edit.caret(), 4u);
  edit.move(CaretMove::LineStart, Extend::No);
  edit.move(CaretMove::CharRight, Extend::Yes);
  edit.insertCharacter('J');
  EXPECT_EQ(edit.text(), "Jello");
  EXPECT_FALSE(edit.hasSelection());
}

TEST(TextEditing, BackspaceAndDeleteTakeCharactersWordsOrTheSelection) {
  TextEditing edit = typed("one two  three");
  EXPECT_TRUE(edit.backspace(true));
  EXPECT_EQ(edit.text(), "one two  ");
  EXPECT_TRUE(edit.backspace(false));
  EXPECT_EQ(edit.text(), "one two ");
  edit.move(CaretMove::TextStart, Extend::No);
  EXPECT_FALSE(edit.backspace(false));
  EXPECT_TRUE(edit.deleteForward(true));
  EXPECT_EQ(edit.text(), "two ");
  edit.selectAll();
  EXPECT_TRUE(edit.deleteForward(false));
  EXPECT_EQ(edit.text(), "");
  EXPECT_FALSE(edit.deleteForward(false));
}

TEST(TextEditing, WordMovesStopAtWordStartsAcrossAccentedLetters) {
  // "čo je" in code page 1250: c with caron is 0xE8.
  TextEditing edit;
  edit.setText("\xE8o je, nie?");
  edit.move(CaretMove::TextStart, Extend::No);
  edit.move(CaretMove::WordRight, Extend::No);
  EXPECT_EQ(edit.caret(), 3u);
  edit.move(CaretMove::WordRight, Extend::Yes);
  EXPECT_EQ(edit.selectedText(), "je, ");
  edit.move(CaretMove::TextEnd, Extend::No);
  edit.move(CaretMove::WordLeft, Extend::No);
  EXPECT_EQ(edit.caret(), 7u);
  edit.move(CaretMove::WordLeft, Extend::No);
  edit.move(CaretMove::WordLeft, Extend::No);
  EXPECT_EQ(edit.caret(), 0u);
}

TEST(TextEditing, LinesMoveByColumnAndEndWhereTheyEnd) {
  TextEditing edit;
  edit.setText("first line\r\nab\rthird line");
  EXPECT_EQ(edit.text(), "first line\nab\nthird line");
  EXPECT_EQ(edit.textWithCrLf(), "first line\r\nab\r\nthird line");
  edit.placeCaret(8, Extend::No);  // "first li|ne"
  edit.move(CaretMove::LineDown, Extend::No);
  EXPECT_EQ(edit.caret(), 13u);  // the end of "ab"
  edit.move(CaretMove::LineDown, Extend::No);
  EXPECT_EQ(edit.caret(), 16u);  // column 2 of the third line
  edit.move(CaretMove::LineEnd, Extend::Yes);
  EXPECT_EQ(edit.selectedText(), "ird line");
  edit.move(CaretMove::LineUp, Extend::No);
  edit.move(CaretMove::LineUp, Extend::No);
  edit.move(CaretMove::LineUp, Extend::No);
  EXPECT_EQ(edit.caret(), 0u);
}

TEST(TextEditing, LeftAndRightCollapseASelectionToItsSide) {
  TextEditing edit = typed("abcdef");
  edit.select(1, 3);
  edit.move(CaretMove::CharLeft, Extend::No);
  EXPECT_EQ(edit.caret(), 1u);
  edit.select(1, 3);
  edit.move(CaretMove::CharRight, Extend::No);
  EXPECT_EQ(edit.caret(), 4u);
  EXPECT_FALSE(edit.hasSelection());
  edit.select(4, 100);  // clamped to the text
  EXPECT_EQ(edit.selectedText(), "ef");
  edit.select(100, 1);
  EXPECT_EQ(edit.caret(), 6u);
}

TEST(TextEditing, OneLineModeKeepsTheFirstLineOfWhatComesIn) {
  TextEditing edit;
  edit.setText("one\ntwo\nthree");
  edit.setOneLine(true);
  EXPECT_EQ(edit.text(), "one");
  EXPECT_FALSE(edit.insertCharacter('\n'));
  edit.replaceSelection("+first\r\nsecond");
  EXPECT_EQ(edit.text(), "one+first");
  edit.setText("a\nb");
  EXPECT_EQ(edit.text(), "a");
}

TEST(TextEditing, ADoubleClickSelectsTheWordUnderIt) {
  TextEditing edit;
  edit.setText("say hello_there now");
  edit.selectWordAt(7);
  EXPECT_EQ(edit.selectedText(), "hello_there");
}

// The flips of each character as a string of digits.
std::string flipsOf(const TextEditing& edit) {
  std::string digits;
  for (uint8_t flip : edit.flips()) digits += static_cast<char>('0' + flip);
  return digits;
}

TEST(TextEditing, StyleFlipsFollowTheirCharactersThroughEdits) {
  TextEditing edit = typed("one two");
  edit.setFlips(4, 7, 1, true);  // "two" bold
  EXPECT_EQ(flipsOf(edit), "0000111");
  EXPECT_TRUE(edit.allFlipped(4, 7, 1, true));
  EXPECT_FALSE(edit.allFlipped(3, 7, 1, true));
  // Typing after a bold character goes on in bold; before the text, in the first one's style.
  edit.insertCharacter('s');
  EXPECT_EQ(flipsOf(edit), "00001111");
  edit.placeCaret(0, Extend::No);
  edit.insertCharacter('>');
  EXPECT_EQ(flipsOf(edit), "000001111");
  // Deleting the selection takes its flips with it.
  edit.select(1, 4);
  edit.backspace(false);
  EXPECT_EQ(edit.text(), ">twos");
  EXPECT_EQ(flipsOf(edit), "01111");
  // Pasting over a selection takes the style before it.
  edit.select(2, 2);
  edit.replaceSelection("AB\nC");
  EXPECT_EQ(edit.text(), ">tAB\nCs");
  EXPECT_EQ(flipsOf(edit), "0111111");
  // One-line mode cuts the flips with the text; a new text clears them.
  edit.setOneLine(true);
  EXPECT_EQ(flipsOf(edit), "0111");
  edit.setFlips(0, 100, 6, true);
  EXPECT_EQ(flipsOf(edit), "6777");
  edit.setText("new");
  EXPECT_EQ(flipsOf(edit), "000");
  edit.takeFlips({2});
  EXPECT_EQ(flipsOf(edit), "200");
}

}  // namespace
}  // namespace lx
