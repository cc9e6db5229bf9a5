// Integers and reals: printing, conversions, truth and equality.
#include "values/number.h"

#include <cmath>
#include <limits>

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "values/number_text.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/string_word.h"

namespace lx {
namespace {

Value self(const tlogoobject* value) { return Value(const_cast<tlogoobject*>(value)); }

// A value whose integer reading cannot fail: compare with it as integers.
bool holdsExactInteger(const tlogoobject& other) {
  if (other.kind() == ValueKind::Integer) return true;
  return other.kind() == ValueKind::Word && static_cast<const tLogoString&>(other).parsed().isInt;
}

// Equality of a number with another value: numbers numerically, other
// words by their printed texts, anything else never.
bool numberEquals(const tlogonumber& number, const tlogoobject& other, bool thisIsInteger) {
  if (!other.isWord()) return false;
  if (thisIsInteger && holdsExactInteger(other)) return number.asInteger() == other.asInteger();
  if (other.isNumber()) return number.asReal() == other.asReal();
  return namesEqual(number.printText(), other.wordText());
}

}  // namespace

std::string tlogonumber::printText(int) const {
  if (!textKnown_) {
    printText_ = formatValue();
    textKnown_ = true;
  }
  return printText_;
}

int32_t roundToInteger(long double value, const tlogoobject& offending) {
  const double d = static_cast<double>(value);
  const double rounded = std::trunc(d >= 0 ? d + 0.5 : d - 0.5);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
    throw eLogoException(erMinMax, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                         self(&offending));
  return static_cast<int32_t>(rounded);
}

bool realTruth(long double value) {
  if (value <= 0) return false;
  if (value >= 1) return true;
  return randomUnit() < value;
}

// Integers.

void tLogoInt::dispose() { recycle(this); }

Value tLogoInt::copy() const {
  return spellingKnown() ? Value(new tLogoInt(value, printText())) : Value(new tLogoInt(value));
}

int32_t tLogoInt::asIntegerIn(int32_t lo, int32_t hi) const {
  if (value < lo || value > hi) throw eLogoException(erMinMax, lo, hi, self(this));
  return value;
}

bool tLogoInt::equals(const tlogoobject& other) const { return numberEquals(*this, other, true); }

bool tLogoInt::absorb(const tlogoobject& other) {
  if (this == &other) return true;
  // Only tLogoInt is of the integer kind; the kind test is cheaper than a
  // cast, and `make` of a number into a variable comes here every time.
  if (refCount != 1 || other.kind() != ValueKind::Integer || !other.pooled) return false;
  const auto* number = static_cast<const tLogoInt*>(&other);
  reset(number->value);
  return true;
}

std::string tLogoInt::formatValue() const { return formatInteger(value); }

// Reals.

void tLogoReal::dispose() { recycle(this); }

Value tLogoReal::copy() const {
  return spellingKnown() ? Value(new tLogoReal(printText(), value)) : Value(new tLogoReal(value));
}

bool tLogoReal::isInteger() const { return std::isfinite(value) && value == std::trunc(value); }

int32_t tLogoReal::asInteger() const { return roundToInteger(value, *this); }

int32_t tLogoReal::asIntegerIn(int32_t lo, int32_t hi) const {
  const int32_t rounded = asInteger();
  if (rounded < lo || rounded > hi) throw eLogoException(erMinMax, lo, hi, self(this));
  return rounded;
}

bool tLogoReal::asBool() const { return realTruth(value); }

bool tLogoReal::equals(const tlogoobject& other) const { return numberEquals(*this, other, false); }

bool tLogoReal::absorb(const tlogoobject& other) {
  if (this == &other) return true;
  if (refCount != 1 || other.kind() != ValueKind::Real || !other.pooled) return false;
  const auto* number = static_cast<const tLogoReal*>(&other);
  reset(number->value);
  return true;
}

std::string tLogoReal::formatValue() const { return formatReal(value); }

}  // namespace lx
