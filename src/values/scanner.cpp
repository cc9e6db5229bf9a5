// The scanner's character reading and its word states.
#include "values/scanner.h"

#include "values/show_form.h"

namespace lx {
namespace {

constexpr unsigned char kCR = '\r';
constexpr unsigned char kMark = 0xB7;  // the dictionary mark "·"

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isOperatorChar(unsigned char c) {
  switch (c) {
    case '(': case ')': case '*': case '+': case '-': case '/': case ';': case '<': case '=': case '>':
      return true;
    default:
      return false;
  }
}

// The characters that end a plain word: the end of the text, CR, space, the
// double quote, brackets and the operators.
bool isDelimiter(unsigned char c) {
  return c == 0 || c == kCR || c == ' ' || c == '"' || c == '[' || c == ']' || isOperatorChar(c);
}

}  // namespace

tScanner::tScanner(std::string_view text) : text_(text) { load(); }

void tScanner::advance() {
  ++position_;
  load();
}

// Reads the character at position_. A line feed right after a CR is
// skipped (CR LF is one line break); a line feed on its own counts as a CR,
// so text with bare line feeds reads line by line too. Other control
// characters, NUL included, read as a space. Past the end the character is 0.
void tScanner::load() {
  while (position_ < text_.size()) {
    const auto c = static_cast<unsigned char>(text_[position_]);
    if (c == '\n' && position_ > 0 && text_[position_ - 1] == '\r') {
      ++position_;
      continue;
    }
    current_ = c == '\n' ? kCR : c == kCR || c >= 32 ? c : ' ';
    return;
  }
  current_ = 0;
}

void tScanner::appendText(unsigned char c) {
  token_ += c == static_cast<unsigned char>(kLineBreakMark) ? '\r' : static_cast<char>(c);
}

TokenKind tScanner::finished(TokenKind kind) {
  ++tokenCount_;
  return kind;
}

TokenKind tScanner::next() {
  const bool spaceBefore = current_ == ' ' || separator_;
  separator_ = false;
  dictionaryReference_ = false;
  token_.clear();
  while (current_ == ' ') advance();
  switch (current_) {
    case 0:
      return TokenKind::End;
    case kCR:
      separator_ = true;
      ++line_;
      advance();
      return TokenKind::LineBreak;
    case '[':
      separator_ = true;
      advance();
      return TokenKind::Open;
    case ']':
      advance();
      return TokenKind::Close;
    default:
      return scanWord(spaceBefore);
  }
}

// Chooses the state a word starts in from its first character. "<" and ">"
// may pair with the next character; "+" and "-" after a separator may be
// the sign of a number; the other operators are words of one character.
TokenKind tScanner::scanWord(bool spaceBefore) {
  const unsigned char c = current_;
  State state = State::Plain;
  if (c == '\\') {
    state = State::Escape;
  } else if (c == '|') {
    state = State::Bar;
  } else if (c == '"') {
    state = State::Quoted;
    token_ += '"';
  } else if (isOperatorChar(c)) {
    token_ += static_cast<char>(c);
    if (c == '<' || c == '>' || ((c == '+' || c == '-') && spaceBefore)) {
      state = State::Operator;
      operator_ = c;
    } else {
      advance();
      return finished(TokenKind::Word);
    }
  } else if (isDigit(c)) {
    state = State::Number;
    token_ += static_cast<char>(c);
  } else {
    dictionaryReference_ = c == kMark;
    appendText(c);
  }
  advance();
  return continueWord(state);
}

// The states after the first character. `break` consumes the current
// character and goes on with the next; `continue` hands the same character
// to the new state; `return` ends the token.
TokenKind tScanner::continueWord(State state) {
  for (;;) {
    const unsigned char c = current_;
    switch (state) {
      case State::Escape:
        if (c == 0) return finished(TokenKind::Word);
        if (isDigit(c)) {
          escapeCode_ = c - '0';
          state = State::NumericEscape;
        } else {
          token_ += static_cast<char>(c);
          state = State::Plain;
        }
        break;
      case State::NumericEscape:
        if (isDigit(c)) {
          // A digit that would take the code past 255 is dropped.
          if (escapeCode_ * 10 + (c - '0') <= 255) escapeCode_ = escapeCode_ * 10 + (c - '0');
          break;
        }
        token_ += static_cast<char>(escapeCode_);
        state = State::Plain;
        if (c == '.') break;  // the point only ends the code
        continue;
      case State::Quoted:
        if (c == 0 || c == kCR || c == ' ' || c == '[' || c == ']') return finished(TokenKind::Word);
        if (c == '|') {
          state = State::Bar;
        } else if (c == '\\') {
          state = State::Escape;
        } else {
          appendText(c);
          state = State::Plain;
        }
        break;
      case State::Operator:
        if ((operator_ == '<' && (c == '>' || c == '=')) || (operator_ == '>' && c == '=')) {
          token_ += static_cast<char>(c);
          advance();
          return finished(TokenKind::Word);
        }
        if ((operator_ == '+' || operator_ == '-') && isDigit(c)) {
          token_ += static_cast<char>(c);
          state = State::Number;
          break;
        }
        return finished(TokenKind::Word);
      case State::Number:
      case State::Fraction:
        if (isDigit(c)) {
          token_ += static_cast<char>(c);
        } else if (c == '.' && state == State::Number) {
          token_ += '.';
          state = State::Fraction;
        } else if (c == 'E' || c == 'e') {
          token_ += static_cast<char>(c);
          state = State::ExponentSign;
        } else if (isDelimiter(c)) {
          return finished(TokenKind::Number);
        } else {
          state = State::Plain;
          continue;
        }
        break;
      case State::ExponentSign:
        if (c == '+' || c == '-') {
          token_ += static_cast<char>(c);
          state = State::ExponentFirstDigit;
          break;
        }
        [[fallthrough]];
      case State::ExponentFirstDigit:
        if (!isDigit(c)) {
          state = State::Plain;
          continue;
        }
        token_ += static_cast<char>(c);
        state = State::ExponentDigits;
        break;
      case State::ExponentDigits:
        if (isDigit(c)) {
          token_ += static_cast<char>(c);
          break;
        }
        if (isDelimiter(c)) return finished(TokenKind::Number);
        state = State::Plain;
        continue;
      case State::Bar:
        if (c == 0) return finished(TokenKind::Word);
        if (c == '|')
          state = State::Plain;
        else
          appendText(c);
        break;
      case State::Plain:
        if (isDelimiter(c)) return finished(TokenKind::Word);
        if (c == '\\')
          state = State::Escape;
        else if (c == '|')
          state = State::Bar;
        else
          appendText(c);
        break;
    }
    advance();
  }
}

}  // namespace lx
