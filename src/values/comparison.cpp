// Numeric and textual order of words.
#include "values/comparison.h"

#include "lang/name_comparison.h"
#include "values/arithmetic.h"
#include "values/number.h"

namespace lx {

int compareWords(const tlogoobject& a, const tlogoobject& b) {
  // Two integers, every loop bound and recursion test, skip the operand tests.
  if (a.kind() == ValueKind::Integer && b.kind() == ValueKind::Integer) {
    const int32_t x = static_cast<const tLogoInt&>(a).value, y = static_cast<const tLogoInt&>(b).value;
    return x < y ? -1 : x > y ? 1 : 0;
  }
  if (a.isNumber() && b.isNumber()) {
    if (isIntegerOperand(a) && isIntegerOperand(b)) {
      const int32_t x = a.asInteger(), y = b.asInteger();
      return x < y ? -1 : x > y ? 1 : 0;
    }
    const long double x = a.asReal(), y = b.asReal();
    return x < y ? -1 : x > y ? 1 : 0;
  }
  // wordText raises error 8 for a list or an object.
  return compareNames(a.wordText(), b.wordText());
}

bool lessP(const tlogoobject& a, const tlogoobject& b) { return compareWords(a, b) < 0; }
bool greaterP(const tlogoobject& a, const tlogoobject& b) { return compareWords(a, b) > 0; }
bool lessOrEqualP(const tlogoobject& a, const tlogoobject& b) { return compareWords(a, b) <= 0; }
bool greaterOrEqualP(const tlogoobject& a, const tlogoobject& b) { return compareWords(a, b) >= 0; }

}  // namespace lx
