// tScanner: splits Logo text into tokens — brackets, line breaks, words and
// numbers — with the language's escapes: "\" before a character takes it
// literally, "\65." is the byte with that code, bars "|...|" take everything
// between them literally, and "¶" inside a word stands for a line break.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lx {

enum class TokenKind : uint8_t { End, LineBreak, Open, Close, Word, Number };

class tScanner {
 public:
  explicit tScanner(std::string_view text);

  // Scans the next token; its text (for words and numbers) is tokenText().
  TokenKind next();
  const std::string& tokenText() const { return token_; }
  // True when the last word began with an unescaped dictionary mark "·"
  // (built-in text naming a localized word).
  bool tokenIsDictionaryReference() const { return dictionaryReference_; }

  // The line of the text being read (1-based; each line break adds one).
  int line() const { return line_; }
  // Word and number tokens scanned so far.
  int tokenCount() const { return tokenCount_; }

 private:
  enum class State : uint8_t {
    Escape, NumericEscape, Quoted, Operator, Number, Fraction,
    ExponentSign, ExponentFirstDigit, ExponentDigits, Bar, Plain,
  };

  void advance();
  void load();
  TokenKind scanWord(bool spaceBefore);
  TokenKind continueWord(State state);
  void appendText(unsigned char c);
  TokenKind finished(TokenKind kind);

  std::string_view text_;
  size_t position_ = 0;
  unsigned char current_ = 0;       // the character at position_, as read
  std::string token_;
  bool separator_ = true;           // a separator came before this token
  bool dictionaryReference_ = false;
  unsigned escapeCode_ = 0;         // the numeric escape read so far
  unsigned char operator_ = 0;      // the operator character of the Operator state
  int line_ = 1;
  int tokenCount_ = 0;
};

}  // namespace lx
