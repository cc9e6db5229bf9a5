// TextEditing: the text of a text box with its caret and selection, and the
// edits people make with the keyboard — typing, deleting, moving by
// character, word, line and the whole text, with or without extending the
// selection. Painting and the clipboard stay outside, so every edit is
// tested on its own.
//
// The text is internal text with "\n" between lines; the box's `value`
// gives it with CR LF. In one-line mode it never holds a line break.
//
// Each character carries style flips: bits of the font's styles (bold,
// italic, underline) that the character shows the other way round from the
// box's font. Text put in by an edit takes the flips of the character
// before it, so typing goes on in the style at the caret; setting the
// whole text clears them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

  // --- Style flips (one byte of bits per character of text()) ---
  const std::vector<uint8_t>& flips() const { return flips_; }
  // Sets or clears the bits `bits` of the flips of [start, end) (clamped).
  void setFlips(size_t start, size_t end, uint8_t bits, bool on);
  // Whether every character of [start, end) has `bits` flipped as `on` says.
  bool allFlipped(size_t start, size_t end, uint8_t bits, bool on) const;
  // Replaces all flips (a shorter list leaves the rest unflipped).
  void takeFlips(std::vector<uint8_t> flips);

  // Line ends of any kind as "\n".
  static std::string normalised(std::string_view text);

 private:
  size_t wordLeft(size_t from) const;
  size_t wordRight(size_t from) const;
  size_t lineStart(size_t from) const;
  size_t lineEnd(size_t from) const;
  size_t lineUpOrDown(size_t from, bool down) const;

  std::string text_;
  std::vector<uint8_t> flips_;  // as long as text_
  size_t caret_ = 0;
  size_t anchor_ = 0;
  bool oneLine_ = false;
};

}  // namespace lx
