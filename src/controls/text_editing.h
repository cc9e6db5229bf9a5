// TextEditing: the text of a text box with its caret and selection, and the
// edits people make with the keyboard — typing, deleting, moving by
// character, word, line and the whole text, with or without extending the
// selection. Painting and the clipboard stay outside, so every edit is
// tested on its own.
//
// The text is internal text with "\n" between lines; the box's `value`
// gives it with CR LF. In one-line mode it never holds a line break.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lx {

enum class CaretMove : unsigned char {
  CharLeft,
  CharRight,
  WordLeft,
  WordRight,
  LineStart,
  LineEnd,
  TextStart,
  TextEnd,
  LineUp,
  LineDown,
};

enum class Extend : bool { No = false, Yes = true };

class TextEditing {
 public:
  const std::string& text() const { return text_; }
  // Replaces the whole text (line ends of any kind; in one-line mode only
  // the first line is kept); the caret goes to its end.
  void setText(std::string_view text);
  // The text with CR LF between lines.
  std::string textWithCrLf() const;

  bool oneLine() const { return oneLine_; }
  // Switching one-line mode on deletes everything after the first line.
  void setOneLine(bool oneLine);

  // --- Caret and selection (byte offsets into text()) ---
  size_t caret() const { return caret_; }
  size_t anchor() const { return anchor_; }
  size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool hasSelection() const { return caret_ != anchor_; }
  std::string selectedText() const;
  // Selects `length` bytes from `start`, both clamped to the text.
  void select(size_t start, size_t length);
  void selectAll() { select(0, text_.size()); }
  // Puts the caret at `offset`, extending the selection or not.
  void placeCaret(size_t offset, Extend extend);
  void move(CaretMove move, Extend extend);
  // Selects the word around `offset` (a double click).
  void selectWordAt(size_t offset);

  // --- Edits; each answers whether the text changed ---
  // Replaces the selection with `text` (line ends of any kind; in one-line
  // mode only its first line) and puts the caret after it.
  bool replaceSelection(std::string_view text);
  bool insertCharacter(unsigned char c);
  // Without a selection these delete the character (or with `word` the
  // rest of the word) before or after the caret; with one, the selection.
  bool backspace(bool word);
  bool deleteForward(bool word);

  // Line ends of any kind as "\n".
  static std::string normalised(std::string_view text);

 private:
  size_t wordLeft(size_t from) const;
  size_t wordRight(size_t from) const;
  size_t lineStart(size_t from) const;
  size_t lineEnd(size_t from) const;
  size_t lineUpOrDown(size_t from, bool down) const;

  std::string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  bool oneLine_ = false;
};

}  // namespace lx
