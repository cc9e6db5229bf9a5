// Boundary tables of the arithmetic: div and mod with every combination of
// signs, with and without a remainder; the operations at and just past the
// 32-bit limits, given as numbers and as numeric words alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/logo_exception.h"
#include "values/arithmetic.h"
#include "values/pools.h"

namespace lx {
namespace {

struct DivModRow {
  int32_t a, b, div, mod;
};

// Written out by hand: div rounds toward minus infinity, mod takes the
// divisor's sign, and a zero remainder is zero whatever the signs.
constexpr DivModRow kDivMod[] = {
    {7, 2, 3, 1},        {-7, 2, -4, 1},      {7, -2, -4, -1},    {-7, -2, 3, -1},
    {8, 2, 4, 0},        {-8, 2, -4, 0},      {8, -2, -4, 0},     {-8, -2, 4, 0},
    {0, 5, 0, 0},        {0, -5, 0, 0},       {1, 5, 0, 1},       {-1, 5, -1, 4},
    {1, -5, -1, -4},     {-1, -5, 0, -1},     {5, 5, 1, 0},       {-5, 5, -1, 0},
    {INT32_MAX, 1, INT32_MAX, 0},             {INT32_MAX, -1, -INT32_MAX, 0},
    {INT32_MIN, 1, INT32_MIN, 0},             {INT32_MAX, 2, 1073741823, 1},
    {INT32_MIN, 2, -1073741824, 0},           {INT32_MIN, -2, 1073741824, 0},
    {INT32_MIN + 1, -2, 1073741823, -1},      {INT32_MAX, INT32_MIN, -1, -1},
    {INT32_MIN, INT32_MAX, -2, 2147483646},
};

// Each operand as an integer value and as the word a user types.
std::vector<Value> spellings(int32_t v) {
  return {makeInt(v), makeWord(std::to_string(v))};
}

TEST(ArithmeticBoundaries, DivAndModOverEverySignAndRemainder) {
  for (const DivModRow& row : kDivMod) {
    for (const Value& a : spellings(row.a)) {
      for (const Value& b : spellings(row.b)) {
        const std::string what = std::to_string(row.a) + " and " + std::to_string(row.b);
        const Value q = intDiv(*a, *b);
        const Value r = modulo(*a, *b);
        EXPECT_EQ(q->printText(), std::to_string(row.div)) << "div " << what;
        EXPECT_EQ(r->printText(), std::to_string(row.mod)) << "mod " << what;
      }
    }
  }
}

errorConst errorOf(auto&& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return e.code;
  }
  return erUnexpected;
}

TEST(ArithmeticBoundaries, DivAndModTakeOnly32BitOperandsAndNoZeroDivisor) {
  for (const char* past : {"2147483648", "-2147483649"}) {
    EXPECT_EQ(errorOf([&] { intDiv(*makeWord(past), *makeInt(1)); }), erMinMax) << past;
    EXPECT_EQ(errorOf([&] { modulo(*makeInt(1), *makeWord(past)); }), erMinMax) << past;
  }
  for (const Value& zero : std::vector<Value>{makeInt(0), makeWord("0"), makeReal(0.4L)}) {
    EXPECT_EQ(errorOf([&] { intDiv(*makeInt(7), *zero); }), erDiv0);
    EXPECT_EQ(errorOf([&] { modulo(*makeInt(-7), *zero); }), erDiv0);
  }
}

struct LimitRow {
  const char* op;
  int64_t a, b;
};

// Each result computed in 64 bits: within 32 bits it stays an integer,
// past them it is the exact real.
constexpr LimitRow kLimits[] = {
    {"+", INT32_MAX, 0},  {"+", INT32_MAX, 1},  {"+", INT32_MIN, -1}, {"+", INT32_MIN, 0},
    {"-", INT32_MIN, 1},  {"-", INT32_MIN, 0},  {"-", INT32_MAX, -1}, {"-", 0, INT32_MIN},
    {"*", 65535, 65537},  {"*", 65536, 32768},  {"*", -65536, 32768}, {"*", INT32_MIN, -1},
    {"*", INT32_MAX, -1}, {"*", 46341, 46341},  {"*", 46340, 46340},  {"+", -1, INT32_MIN},
};

Value apply(const char* op, const tlogoobject& a, const tlogoobject& b) {
  switch (op[0]) {
    case '+': return plus(a, b);
    case '-': return minus(a, b);
    default: return times(a, b);
  }
}

TEST(ArithmeticBoundaries, SumsDifferencesAndProductsAtThe32BitLimits) {
  for (const LimitRow& row : kLimits) {
    const int64_t exact = row.op[0] == '+' ? row.a + row.b : row.op[0] == '-' ? row.a - row.b : row.a * row.b;
    const bool fits = exact >= INT32_MIN && exact <= INT32_MAX;
    for (const Value& a : spellings(static_cast<int32_t>(row.a))) {
      for (const Value& b : spellings(static_cast<int32_t>(row.b))) {
        const Value result = apply(row.op, *a, *b);
        const std::string what = std::to_string(row.a) + " " + row.op + " " + std::to_string(row.b);
        EXPECT_EQ(result->asReal(), static_cast<long double>(exact)) << what;
        EXPECT_EQ(isIntegerOperand(*result) && result->printText() == std::to_string(exact), fits) << what;
      }
    }
  }
}

TEST(ArithmeticBoundaries, BitnotAtThe32BitLimits) {
  EXPECT_EQ(bitnotOf(*makeInt(INT32_MAX))->printText(), "-2147483648");
  EXPECT_EQ(bitnotOf(*makeWord("-2147483648"))->printText(), "2147483647");
  EXPECT_EQ(errorOf([] { bitnotOf(*makeWord("2147483648")); }), erMinMax);
}

}  // namespace
}  // namespace lx
