// Arithmetic with 32-bit integers that fall back to extended reals.
#include "values/arithmetic.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "core/logo_exception.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

Value self(const tlogoobject& v) { return Value(const_cast<tlogoobject*>(&v)); }

bool fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// A real result that left the range of extended reals, or came out of a
// function's domain, is a floating fault.
Value realResult(long double r, const tlogoobject& offending) {
  if (!std::isfinite(r)) throw eLogoException(erReal, self(offending));
  return makeReal(r);
}

// The left input's number: an integer when it is one, else a real (which
// also raises error 12 for a non-number).
struct Operand {
  bool isInt;
  int32_t i;
  long double r;
};

Operand leftOperand(const tlogoobject& a) {
  if (isIntegerOperand(a)) {
    const int32_t i = a.asInteger();
    return {true, i, static_cast<long double>(i)};
  }
  return {false, 0, a.asReal()};
}

// The input's value when it is a whole number within 32 bits. A numeric
// word or a whole real beyond that range is no such operand: it takes the
// extended-real path instead of failing in a 32-bit conversion.
std::optional<int32_t> int32Operand(const tlogoobject& b) {
  if (b.kind() == ValueKind::Integer) return static_cast<const tLogoInt&>(b).value;
  if (isIntegerOperand(b)) return b.asInteger();
  if (!b.isNumber() || !b.isInteger()) return std::nullopt;
  const long double r = b.asReal();
  if (r < INT32_MIN || r > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(r);
}

enum class Op { Plus, Minus, Times };

int64_t combine(Op op, int64_t x, int64_t y) { return op == Op::Plus ? x + y : op == Op::Minus ? x - y : x * y; }

Value binary(Op op, const tlogoobject& a, const tlogoobject& b) {
  // Two integers, the common case in loops, skip the operand conversions.
  if (a.kind() == ValueKind::Integer && b.kind() == ValueKind::Integer) {
    const int64_t r = combine(op, static_cast<const tLogoInt&>(a).value, static_cast<const tLogoInt&>(b).value);
    if (fits32(r)) return makeInt(static_cast<int32_t>(r));
    return makeReal(static_cast<long double>(r));
  }
  const Operand left = leftOperand(a);
  const std::optional<int32_t> right = left.isInt ? int32Operand(b) : std::nullopt;
  if (right) {
    const int64_t r = combine(op, left.i, *right);
    if (fits32(r)) return makeInt(static_cast<int32_t>(r));
    return makeReal(static_cast<long double>(r));
  }
  const long double y = b.asReal();
  const long double r = op == Op::Plus ? left.r + y : op == Op::Minus ? left.r - y : left.r * y;
  return realResult(r, a);
}

int32_t divisorOf(const tlogoobject& b) {
  const int32_t d = b.asInteger();
  if (d == 0) throw eLogoException(erDiv0, self(b));
  return d;
}

long double degreesToRadians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

// Truncation or rounding: an integer result when it fits, a whole real beyond.
Value wholeNumber(long double whole, const tlogoobject& a) {
  if (whole >= INT32_MIN && whole <= INT32_MAX) return makeInt(static_cast<int32_t>(whole));
  return realResult(whole, a);
}

template <class Combine>
Value accumulate(std::span<const Value> inputs, Combine combine) {
  int64_t integer = 0;
  long double real = 0;
  bool inReals = false;
  for (size_t k = 0; k < inputs.size(); ++k) {
    const tlogoobject& v = *inputs[k];
    const std::optional<int32_t> whole = inReals ? std::nullopt : int32Operand(v);
    if (whole && (k > 0 || isIntegerOperand(v))) {
      const int64_t next = k == 0 ? *whole : combine(integer, static_cast<int64_t>(*whole));
      if (fits32(next)) {
        integer = next;
        continue;
      }
      real = static_cast<long double>(integer);
      inReals = true;
      real = k == 0 ? static_cast<long double>(next) : combine(real, static_cast<long double>(*whole));
      continue;
    }
    if (!inReals) {
      real = static_cast<long double>(integer);
      inReals = true;
    }
    real = k == 0 ? v.asReal() : combine(real, v.asReal());
  }
  if (!inReals) return makeInt(static_cast<int32_t>(integer));
  return realResult(real, *inputs.back());
}

template <class Combine>
Value bitwise(std::span<const Value> inputs, Combine combine) {
  if (inputs.empty()) return makeInt(0);
  int32_t result = inputs[0]->asInteger();
  for (size_t k = 1; k < inputs.size(); ++k) result = combine(result, inputs[k]->asInteger());
  return makeInt(result);
}

}  // namespace

bool isIntegerOperand(const tlogoobject& a) {
  switch (a.kind()) {
    case ValueKind::Integer:
      return true;
    case ValueKind::Word: {
      const auto& word = static_cast<const tLogoString&>(a);
      return word.parsed().isInt || word.isAnyWord();
    }
    default:
      return false;
  }
}

Value plus(const tlogoobject& a, const tlogoobject& b) { return binary(Op::Plus, a, b); }
Value minus(const tlogoobject& a, const tlogoobject& b) { return binary(Op::Minus, a, b); }
Value times(const tlogoobject& a, const tlogoobject& b) {
  if (const tLogoList* list = asList(b)) return numberTimesList(a, *list);
  return binary(Op::Times, a, b);
}

Value divide(const tlogoobject& a, const tlogoobject& b) {
  if (const tLogoList* list = asList(b)) return numberDividedByList(a, *list);
  const long double x = a.asReal();
  const long double y = b.asReal();
  if (y == 0) throw eLogoException(erDiv0, self(b));
  return realResult(x / y, a);
}

Value intDiv(const tlogoobject& a, const tlogoobject& b) {
  const int64_t x = a.asInteger();
  const int64_t d = divisorOf(b);
  int64_t q = x / d;
  if ((x % d != 0) && ((x < 0) != (d < 0))) --q;
  return makeNumber(q);
}

Value modulo(const tlogoobject& a, const tlogoobject& b) {
  const int64_t x = a.asInteger();
  const int64_t d = divisorOf(b);
  int64_t m = x % d;
  if (m != 0 && ((m < 0) != (d < 0))) m += d;
  return makeNumber(m);
}

Value negate(const tlogoobject& a) {
  const Operand v = leftOperand(a);
  if (v.isInt) return makeNumber(-static_cast<int64_t>(v.i));
  return makeReal(-v.r);
}

Value unaryPlus(const tlogoobject& a) {
  const Operand v = leftOperand(a);
  if (v.isInt) return makeInt(v.i);
  return makeReal(v.r);
}

Value sumOf(std::span<const Value> inputs) {
  return accumulate(inputs, [](auto x, auto y) { return x + y; });
}

Value productOf(std::span<const Value> inputs) {
  if (inputs.empty()) return makeInt(1);
  return accumulate(inputs, [](auto x, auto y) { return x * y; });
}

Value randomOf(const tlogoobject& a) {
  const int64_t n = isIntegerOperand(a) ? a.asInteger() : a.asInteger();
  if (n == 0) return makeInt(0);
  if (n > 0) return makeNumber(randomBelow(n));
  return makeNumber(-randomBelow(-n));
}

Value absOf(const tlogoobject& a) {
  const Operand v = leftOperand(a);
  if (v.isInt) return makeNumber(v.i < 0 ? -static_cast<int64_t>(v.i) : v.i);
  return makeReal(std::fabs(v.r));
}

Value intOf(const tlogoobject& a) {
  const Operand v = leftOperand(a);
  if (v.isInt) return makeInt(v.i);
  return wholeNumber(std::trunc(v.r), a);
}

Value roundOf(const tlogoobject& a) {
  const Operand v = leftOperand(a);
  if (v.isInt) return makeInt(v.i);
  return wholeNumber(v.r >= 0 ? std::floor(v.r + 0.5L) : std::ceil(v.r - 0.5L), a);
}

Value sqrtOf(const tlogoobject& a) { return realResult(std::sqrt(a.asReal()), a); }
Value expOf(const tlogoobject& a) { return realResult(std::exp(a.asReal()), a); }
Value lnOf(const tlogoobject& a) { return realResult(std::log(a.asReal()), a); }
Value sinOf(const tlogoobject& a) { return realResult(std::sin(degreesToRadians(a.asReal())), a); }
Value cosOf(const tlogoobject& a) { return realResult(std::cos(degreesToRadians(a.asReal())), a); }
Value tanOf(const tlogoobject& a) { return realResult(std::tan(degreesToRadians(a.asReal())), a); }

Value arctanOf(const tlogoobject& a) {
  return realResult(std::atan(a.asReal()) * 180 / std::numbers::pi_v<long double>, a);
}

Value bitnotOf(const tlogoobject& a) { return makeInt(~a.asInteger()); }
Value bitandOf(std::span<const Value> inputs) {
  return bitwise(inputs, [](int32_t x, int32_t y) { return x & y; });
}
Value bitorOf(std::span<const Value> inputs) {
  return bitwise(inputs, [](int32_t x, int32_t y) { return x | y; });
}
Value bitxorOf(std::span<const Value> inputs) {
  return bitwise(inputs, [](int32_t x, int32_t y) { return x ^ y; });
}

Value asciiOf(const tlogoobject& a) {
  const std::string text = a.printText();
  if (text.empty()) throw eLogoException(erEmptyWord, self(a));
  return makeInt(static_cast<unsigned char>(text[0]));
}

Value charOf(const tlogoobject& a) {
  const int32_t code = a.asIntegerIn(0, 255);
  return makeWord(std::string(1, static_cast<char>(code)));
}

Value notOf(const tlogoobject& a) {
  if (!a.isBool()) throw eLogoException(erNotBool, self(a));
  return makeBool(!a.asBool());
}

}  // namespace lx
