// Booleans: printing as the language's words, and equality.
#include "values/boolean.h"

#include "core/global_options.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/pools.h"

namespace lx {

void tLogoBool::dispose() { recycle(this); }

Value tLogoBool::copy() const {
  return spellingKnown() ? Value(new tLogoBool(value, printText())) : Value(new tLogoBool(value));
}

bool tLogoBool::equals(const tlogoobject& other) const { return other.isBool() && other.asBool() == value; }

bool tLogoBool::absorb(const tlogoobject& other) {
  if (this == &other) return true;
  const auto* boolean = dynamic_cast<const tLogoBool*>(&other);
  if (refCount != 1 || !boolean || !boolean->pooled) return false;
  reset(boolean->value);
  return true;
}

std::string tLogoBool::formatValue() const {
  const std::string word = firstWord(value ? trueWords() : falseWords());
  return globalOptions().ansi ? removeAccents(word) : word;
}

}  // namespace lx
