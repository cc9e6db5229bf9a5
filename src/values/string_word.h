// tLogoString: a word of text (code page 1250 bytes). Whether the text reads
// as a number or as a true/false word is worked out once and cached.
#pragma once

#include <string>

#include "values/word.h"

namespace lx {

class tLogoString : public tLogoWord {
 public:
  explicit tLogoString(std::string text = {}) : chars_(std::move(text)) { valueKind = ValueKind::Word; }

  const std::string& chars() const { return chars_; }
  // Gives a pooled instance a new text.
  void reset(std::string text);

  void dispose() override;
  Value copy() const override;
  const char* className() const override { return "tLogoString"; }

  bool isAnyWord() const override;
  bool isNumber() const override { return parsed().isNum; }
  bool isBool() const override;
  bool isInteger() const override { return parsed().isInt; }
  bool isEmpty() const override { return chars_.empty(); }

  int32_t asIntegerIn(int32_t lo, int32_t hi) const override;
  int32_t asInteger() const override;
  long double asReal() const override;
  bool asBool() const override;

  // The text, with every lone CR written as CR LF.
  std::string printText(int = -1) const override;
  // The text quoted so that the reader gives this word back.
  std::string showText(int = -1) const override;
  std::string wordText() const override { return chars_; }

  bool equals(const tlogoobject& other) const override;
  bool equalsExact(const tlogoobject& other) const override;
  bool absorb(const tlogoobject& other) override;

  // The cached number test.
  struct NumberTest {
    bool isNum = false;
    bool isInt = false;
    int32_t intValue = 0;
    long double realValue = 0;
  };
  const NumberTest& parsed() const;

 private:
  bool equalsWith(const tlogoobject& other, bool exact) const;

  std::string chars_;
  mutable bool parsed_ = false;
  mutable NumberTest number_;
  mutable bool boolChecked_ = false;
  mutable bool isBoolWord_ = false;
  mutable bool boolValue_ = false;
};

}  // namespace lx
