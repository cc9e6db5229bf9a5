// Text words: the number test, conversions, truth and equality.
#include "values/string_word.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/any_word.h"
#include "values/number_text.h"
#include "values/pools.h"
#include "values/printer.h"
#include "values/random.h"
#include "values/show_form.h"

namespace lx {
namespace {

Value self(const tLogoString* word) { return Value(const_cast<tLogoString*>(word)); }

}  // namespace

void tLogoString::reset(std::string text) {
  chars_ = std::move(text);
  parsed_ = false;
  boolChecked_ = false;
  clearWordCaches();
}

void tLogoString::dispose() { recycle(this); }

Value tLogoString::copy() const { return Value(new tLogoString(chars_)); }

std::string tLogoString::printText(int) const {
  if (chars_.find('\r') == std::string::npos) return chars_;
  return wordPrintText(chars_);
}

std::string tLogoString::showText(int) const { return showFormOfWord(chars_); }

const tLogoString::NumberTest& tLogoString::parsed() const {
  if (parsed_) return number_;
  parsed_ = true;
  number_ = {};
  if (auto integer = parseInteger(chars_)) {
    number_ = {true, true, *integer, static_cast<long double>(*integer)};
  } else if (auto real = parseReal(chars_)) {
    number_.isNum = true;
    number_.realValue = *real;
  }
  return number_;
}

bool tLogoString::isAnyWord() const { return !chars_.empty() && isTheAnyWord(chars_); }

bool tLogoString::isBool() const {
  if (!boolChecked_) {
    boolChecked_ = true;
    const std::string word = resolveDictionaryWord(chars_);
    isBoolWord_ = true;
    if (isOneOfWords(trueWords(), word))
      boolValue_ = true;
    else if (isOneOfWords(falseWords(), word))
      boolValue_ = false;
    else
      isBoolWord_ = false;
  }
  return isBoolWord_;
}

int32_t tLogoString::asInteger() const {
  const NumberTest& n = parsed();
  if (n.isInt) return n.intValue;
  if (n.isNum) return roundToInteger(n.realValue, *this);
  if (isAnyWord()) return static_cast<int32_t>(randomBetween(1, 100));
  throw eLogoException(erExpectNumber, self(this));
}

long double tLogoString::asReal() const {
  const NumberTest& n = parsed();
  if (n.isNum) return n.realValue;
  if (isAnyWord()) return static_cast<long double>(randomBetween(1, 100));
  throw eLogoException(erExpectNumber, self(this));
}

int32_t tLogoString::asIntegerIn(int32_t lo, int32_t hi) const {
  if (!parsed().isNum && isAnyWord() && lo <= hi) return static_cast<int32_t>(randomBetween(lo, hi));
  const int32_t value = asInteger();
  if (value < lo || value > hi) throw eLogoException(erMinMax, lo, hi, self(this));
  return value;
}

bool tLogoString::asBool() const {
  if (isBool()) return boolValue_;
  const NumberTest& n = parsed();
  if (n.isInt) return n.intValue > 0;
  if (n.isNum) return realTruth(n.realValue);
  if (isAnyWord()) return randomBelow(2) == 1;
  throw eLogoException(erNotBool, self(this));
}

bool tLogoString::equalsWith(const tlogoobject& other, bool exact) const {
  if (!other.isWord()) return false;
  const NumberTest& n = parsed();
  if (n.isNum && other.isNumber()) {
    const bool otherIsInt = other.kind() == ValueKind::Integer ||
                            (other.kind() == ValueKind::Word && static_cast<const tLogoString&>(other).parsed().isInt);
    if (n.isInt && otherIsInt) return n.intValue == other.asInteger();
    return n.realValue == other.asReal();
  }
  const std::string text = other.wordText();
  return exact ? compareExact(chars_, text) == 0 : namesEqual(chars_, text);
}

bool tLogoString::equals(const tlogoobject& other) const { return equalsWith(other, false); }

bool tLogoString::equalsExact(const tlogoobject& other) const { return equalsWith(other, true); }

bool tLogoString::absorb(const tlogoobject& other) {
  if (this == &other) return true;
  const auto* word = dynamic_cast<const tLogoString*>(&other);
  if (refCount != 1 || !word || !word->pooled) return false;
  reset(word->chars_);
  return true;
}

}  // namespace lx
