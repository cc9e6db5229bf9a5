// Edits of a text box's text.
#include "controls/text_editing.h"

#include <algorithm>

namespace lx {
namespace {

// Letters and digits of code page 1250 make words; everything else
// separates them.
bool wordCharacter(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return true;
  switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:
    case 0xA3:
    case 0xA5:
    case 0xAA:
    case 0xAF:
    case 0xB3:
    case 0xB9:
    case 0xBA:
    case 0xBC:
    case 0xBE:
    case 0xBF:
      return true;
    default:
      return c >= 0xC0 && c != 0xD7 && c != 0xF7;
  }
}

std::string firstLine(std::string text) {
  const size_t end = text.find('\n');
  if (end != std::string::npos) text.resize(end);
  return text;
}

}  // namespace

std::string TextEditing::normalised(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      result += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

void TextEditing::setText(std::string_view text) {
  text_ = normalised(text);
  if (oneLine_) text_ = firstLine(std::move(text_));
  flips_.assign(text_.size(), 0);
  caret_ = anchor_ = text_.size();
}

std::string TextEditing::textWithCrLf() const {
  std::string result;
  result.reserve(text_.size() + text_.size() / 16);
  for (char c : text_) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

void TextEditing::setOneLine(bool oneLine) {
  oneLine_ = oneLine;
  if (!oneLine || text_.find('\n') == std::string::npos) return;
  text_ = firstLine(std::move(text_));
  flips_.resize(text_.size());
  caret_ = std::min(caret_, text_.size());
  anchor_ = std::min(anchor_, text_.size());
}

std::string TextEditing::selectedText() const {
  return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void TextEditing::select(size_t start, size_t length) {
  anchor_ = std::min(start, text_.size());
  caret_ = std::min(anchor_ + std::min(length, text_.size()), text_.size());
}

void TextEditing::placeCaret(size_t offset, Extend extend) {
  caret_ = std::min(offset, text_.size());
  if (extend == Extend::No) anchor_ = caret_;
}

size_t TextEditing::wordLeft(size_t from) const {
  auto at = [&](size_t i) { return static_cast<unsigned char>(text_[i]); };
  while (from > 0 && !wordCharacter(at(from - 1))) --from;
  while (from > 0 && wordCharacter(at(from - 1))) --from;
  return from;
}

// To the start of the next word, as desktop text fields move.
size_t TextEditing::wordRight(size_t from) const {
  auto at = [&](size_t i) { return static_cast<unsigned char>(text_[i]); };
  const size_t size = text_.size();
  while (from < size && wordCharacter(at(from))) ++from;
  while (from < size && !wordCharacter(at(from)) && text_[from] != '\n') ++from;
  if (from < size && text_[from] == '\n' && from > 0 && !wordCharacter(at(from - 1))) ++from;
  return from;
}

size_t TextEditing::lineStart(size_t from) const {
  const size_t found = from == 0 ? std::string::npos : text_.rfind('\n', from - 1);
  return found == std::string::npos ? 0 : found + 1;
}

size_t TextEditing::lineEnd(size_t from) const {
  const size_t found = text_.find('\n', from);
  return found == std::string::npos ? text_.size() : found;
}

// The same column on the line above or below, or that line's end when it
// is shorter; the first or last line goes to the text's start or end.
size_t TextEditing::lineUpOrDown(size_t from, bool down) const {
  const size_t start = lineStart(from);
  const size_t column = from - start;
  if (down) {
    const size_t end = lineEnd(from);
    if (end == text_.size()) return text_.size();
    return std::min(end + 1 + column, lineEnd(end + 1));
  }
  if (start == 0) return 0;
  const size_t above = lineStart(start - 1);
  return std::min(above + column, start - 1);
}

void TextEditing::move(CaretMove move, Extend extend) {
  // Without Shift, Left and Right first collapse a selection to its side.
  if (extend == Extend::No && hasSelection() &&
      (move == CaretMove::CharLeft || move == CaretMove::CharRight)) {
    placeCaret(move == CaretMove::CharLeft ? selectionStart() : selectionEnd(), Extend::No);
    return;
  }
  size_t to = caret_;
  switch (move) {
    case CaretMove::CharLeft:
      to = caret_ > 0 ? caret_ - 1 : 0;
      break;
    case CaretMove::CharRight:
      to = std::min(caret_ + 1, text_.size());
      break;
    case CaretMove::WordLeft:
      to = wordLeft(caret_);
      break;
    case CaretMove::WordRight:
      to = wordRight(caret_);
      break;
    case CaretMove::LineStart:
      to = lineStart(caret_);
      break;
    case CaretMove::LineEnd:
      to = lineEnd(caret_);
      break;
    case CaretMove::TextStart:
      to = 0;
      break;
    case CaretMove::TextEnd:
      to = text_.size();
      break;
    case CaretMove::LineUp:
      to = lineUpOrDown(caret_, false);
      break;
    case CaretMove::LineDown:
      to = lineUpOrDown(caret_, true);
      break;
  }
  placeCaret(to, extend);
}

void TextEditing::selectWordAt(size_t offset) {
  offset = std::min(offset, text_.size());
  size_t start = offset;
  size_t end = offset;
  auto at = [&](size_t i) { return static_cast<unsigned char>(text_[i]); };
  while (start > 0 && wordCharacter(at(start - 1))) --start;
  while (end < text_.size() && wordCharacter(at(end))) ++end;
  anchor_ = start;
  caret_ = end;
}

bool TextEditing::replaceSelection(std::string_view text) {
  std::string inserted = normalised(text);
  if (oneLine_) inserted = firstLine(std::move(inserted));
  if (inserted.empty() && !hasSelection()) return false;
  const size_t start = selectionStart();
  const uint8_t flip = start > 0 ? flips_[start - 1] : (flips_.empty() ? 0 : flips_[0]);
  text_.replace(start, selectionEnd() - start, inserted);
  flips_.erase(flips_.begin() + static_cast<std::ptrdiff_t>(start),
               flips_.begin() + static_cast<std::ptrdiff_t>(selectionEnd()));
  flips_.insert(flips_.begin() + static_cast<std::ptrdiff_t>(start), inserted.size(), flip);
  caret_ = anchor_ = start + inserted.size();
  return true;
}

bool TextEditing::insertCharacter(unsigned char c) {
  if (c == '\n' && oneLine_) return false;
  const char one = static_cast<char>(c);
  return replaceSelection(std::string_view(&one, 1));
}

bool TextEditing::backspace(bool word) {
  if (!hasSelection()) {
    if (caret_ == 0) return false;
    anchor_ = word ? wordLeft(caret_) : caret_ - 1;
  }
  return replaceSelection("");
}

bool TextEditing::deleteForward(bool word) {
  if (!hasSelection()) {
    if (caret_ == text_.size()) return false;
    anchor_ = word ? wordRight(caret_) : caret_ + 1;
  }
  return replaceSelection("");
}

// --- Style flips ---

void TextEditing::setFlips(size_t start, size_t end, uint8_t bits, bool on) {
  end = std::min(end, flips_.size());
  for (size_t i = std::min(start, end); i < end; ++i) flips_[i] = on ? flips_[i] | bits : flips_[i] & ~bits;
}

bool TextEditing::allFlipped(size_t start, size_t end, uint8_t bits, bool on) const {
  end = std::min(end, flips_.size());
  for (size_t i = std::min(start, end); i < end; ++i)
    if (((flips_[i] & bits) == bits) != on) return false;
  return true;
}

void TextEditing::takeFlips(std::vector<uint8_t> flips) {
  flips.resize(text_.size());
  flips_ = std::move(flips);
}

}  // namespace lx
