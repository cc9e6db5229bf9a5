// Arithmetic: 32-bit integers falling back to reals, division, signs of div
// and mod, rounding, many-input sums and the errors of bad operands.
#include "values/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/logo_exception.h"
#include "values/pools.h"
#include "values/random.h"

namespace lx {
namespace {

Value word(const char* text) { return makeWord(text); }
Value integer(int32_t v) { return makeInt(v); }
Value real(long double v) { return makeReal(v); }

bool isRealValue(const Value& v) { return as<tLogoReal>(v) != nullptr; }
bool isIntValue(const Value& v) { return as<tLogoInt>(v) != nullptr; }

errorConst errorOf(auto&& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return e.code;
  }
  ADD_FAILURE() << "no Logo error raised";
  return erUnexpected;
}

TEST(Arithmetic, IntegerOverflowMovesToReals) {
  const Value big = plus(*integer(2147483647), *integer(1));
  EXPECT_TRUE(isRealValue(big));
  EXPECT_EQ(big->printText(), "2.14748E+9");
  EXPECT_EQ(big->asReal(), 2147483648.0L);
  EXPECT_TRUE(isRealValue(minus(*integer(INT32_MIN), *integer(1))));
  EXPECT_EQ(times(*integer(65536), *integer(65536))->asReal(), 4294967296.0L);
  EXPECT_TRUE(isIntValue(times(*integer(-46341), *integer(46340))));
}

TEST(Arithmetic, SumOfManyContinuesInRealsAfterTheFirstReal) {
  std::vector<Value> inputs{integer(2147483647), integer(1), real(1.5L)};
  const Value sum = sumOf(inputs);
  EXPECT_EQ(sum->asReal(), 2147483649.5L);
  std::vector<Value> small{integer(1), integer(2), word("3")};
  EXPECT_TRUE(isIntValue(sumOf(small)));
  EXPECT_EQ(sumOf(small)->asInteger(), 6);
  std::vector<Value> product{integer(100000), integer(100000), integer(2)};
  EXPECT_EQ(productOf(product)->asReal(), 2e10L);
  std::vector<Value> bad{integer(1), word("one")};
  EXPECT_EQ(errorOf([&] { sumOf(bad); }), erExpectNumber);
}

TEST(Arithmetic, IntegralRealsCountAsIntegersOnTheRight) {
  const Value computedTwo = divide(*integer(4), *integer(2));
  const Value five = plus(*integer(3), *computedTwo);
  EXPECT_TRUE(isIntValue(five));
  EXPECT_EQ(five->printText(), "5");
  EXPECT_EQ(divide(*integer(7), *integer(2))->printText(), "3.5");
  EXPECT_TRUE(isRealValue(divide(*integer(6), *integer(3))));
  EXPECT_EQ(plus(*word("2"), *word("40"))->printText(), "42");
}

TEST(Arithmetic, DivAndModSigns) {
  EXPECT_EQ(intDiv(*integer(-7), *integer(2))->asInteger(), -4);
  EXPECT_EQ(intDiv(*integer(7), *integer(2))->asInteger(), 3);
  EXPECT_EQ(intDiv(*integer(7), *integer(-2))->asInteger(), -4);
  EXPECT_EQ(modulo(*integer(-7), *integer(2))->asInteger(), 1);
  EXPECT_EQ(modulo(*integer(7), *integer(-2))->asInteger(), -1);
  EXPECT_EQ(modulo(*integer(-8), *integer(2))->asInteger(), 0);
  EXPECT_EQ(intDiv(*integer(INT32_MIN), *integer(-1))->asReal(), 2147483648.0L);
}

TEST(Arithmetic, DivisionByZeroAndFloatingFaults) {
  EXPECT_EQ(errorOf([] { divide(*integer(1), *integer(0)); }), erDiv0);
  EXPECT_EQ(errorOf([] { intDiv(*integer(1), *integer(0)); }), erDiv0);
  EXPECT_EQ(errorOf([] { modulo(*integer(1), *word("0")); }), erDiv0);
  EXPECT_EQ(errorOf([] { sqrtOf(*integer(-1)); }), erReal);
  EXPECT_EQ(errorOf([] { lnOf(*integer(0)); }), erReal);
  EXPECT_EQ(errorOf([] { times(*real(1e4000L), *real(1e4000L)); }), erReal);
}

TEST(Arithmetic, RoundingIsHalfAwayFromZero) {
  EXPECT_EQ(roundOf(*real(2.5L))->asInteger(), 3);
  EXPECT_EQ(roundOf(*real(-2.5L))->asInteger(), -3);
  EXPECT_EQ(roundOf(*real(2.4L))->asInteger(), 2);
  const Value huge = roundOf(*real(1e12L));
  EXPECT_TRUE(isRealValue(huge));
  EXPECT_EQ(huge->printText(), "1E+12");
  EXPECT_EQ(real(2.5L)->asInteger(), 3);
  EXPECT_EQ(real(-2.5L)->asInteger(), -3);
  EXPECT_EQ(word("-2.5")->asInteger(), -3);
  EXPECT_EQ(intOf(*real(-3.7L))->asInteger(), -3);
  EXPECT_TRUE(isRealValue(intOf(*real(-1e15L - 0.5L))));
  EXPECT_EQ(errorOf([] { real(3e9L)->asInteger(); }), erMinMax);
}

TEST(Arithmetic, NegationAbsAndRandomAtTheEdges) {
  EXPECT_TRUE(isRealValue(negate(*integer(INT32_MIN))));
  EXPECT_EQ(negate(*integer(5))->asInteger(), -5);
  EXPECT_EQ(negate(*word("-2.5"))->printText(), "2.5");
  EXPECT_TRUE(isRealValue(absOf(*integer(INT32_MIN))));
  EXPECT_EQ(randomOf(*integer(0))->asInteger(), 0);
  for (int i = 0; i < 200; ++i) {
    const int32_t r = randomOf(*integer(6))->asInteger();
    EXPECT_TRUE(r >= 0 && r < 6);
    const int32_t n = randomOf(*integer(-6))->asInteger();
    EXPECT_TRUE(n <= 0 && n > -6);
  }
  EXPECT_NO_THROW(randomOf(*integer(INT32_MIN)));
}

TEST(Arithmetic, SeededRandomFollowsTheLinearCongruentialSequence) {
  seedRandom(0);
  std::vector<int32_t> draws;
  for (int i = 0; i < 5; ++i) draws.push_back(randomOf(*integer(100))->asInteger());
  EXPECT_EQ(draws, (std::vector<int32_t>{0, 3, 86, 20, 27}));
}

TEST(Arithmetic, SeededRandomRepeats) {
  seedRandom(7);
  std::vector<int32_t> first;
  for (int i = 0; i < 10; ++i) first.push_back(randomOf(*integer(1000))->asInteger());
  seedRandom(7);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(randomOf(*integer(1000))->asInteger(), first[i]);
}

TEST(Arithmetic, TrigonometryInDegrees) {
  EXPECT_NEAR(static_cast<double>(sinOf(*integer(30))->asReal()), 0.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(cosOf(*integer(60))->asReal()), 0.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(arctanOf(*integer(1))->asReal()), 45.0, 1e-12);
}

TEST(Arithmetic, BitsCharactersAndNot) {
  EXPECT_EQ(bitnotOf(*integer(0))->asInteger(), -1);
  std::vector<Value> bits{integer(12), integer(10), integer(6)};
  EXPECT_EQ(bitandOf(bits)->asInteger(), 0);
  EXPECT_EQ(bitorOf(bits)->asInteger(), 14);
  EXPECT_EQ(bitxorOf(bits)->asInteger(), 0);
  EXPECT_EQ(asciiOf(*word("A"))->asInteger(), 65);
  EXPECT_EQ(asciiOf(*integer(7))->asInteger(), 55);
  EXPECT_EQ(asciiOf(*word("\xE8"))->asInteger(), 0xE8);
  EXPECT_EQ(charOf(*integer(66))->printText(), "B");
  EXPECT_EQ(errorOf([] { charOf(*integer(256)); }), erMinMax);
  EXPECT_EQ(errorOf([] { asciiOf(*word("")); }), erEmptyWord);
  EXPECT_EQ(notOf(*word("true"))->printText(), "false");
  EXPECT_EQ(notOf(*makeBool(false))->printText(), "true");
  EXPECT_EQ(errorOf([] { notOf(*integer(1)); }), erNotBool);
}

TEST(Arithmetic, NonNumbersAreErrorTwelveWithTheOffendingWord) {
  try {
    plus(*integer(1), *word("abc"));
    FAIL();
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erExpectNumber);
    ASSERT_TRUE(e.value);
    EXPECT_EQ(e.value->printText(), "abc");
    EXPECT_FALSE(e.message.empty());
  }
  EXPECT_EQ(errorOf([] { plus(*word("abc"), *integer(1)); }), erExpectNumber);
  EXPECT_EQ(errorOf([] { plus(*integer(1), *makeBool(true)); }), erExpectNumber);
  EXPECT_EQ(errorOf([] { plus(*word("1,5"), *integer(1)); }), erExpectNumber);
}

}  // namespace
}  // namespace lx
