// Reading numbers from text and printing them back.
#include "values/number_text.h"

#include <gtest/gtest.h>

#include "values/arithmetic.h"
#include "values/pools.h"

namespace lx {
namespace {

TEST(NumberPrinting, RealsUseSixSignificantDigits) {
  EXPECT_EQ(formatReal(1.0L / 3), "0.333333");
  EXPECT_EQ(formatReal(2.0L), "2");
  EXPECT_EQ(formatReal(123456.7L), "123457");
  EXPECT_EQ(formatReal(1e20L), "1E+20");
  EXPECT_EQ(formatReal(0.000001L), "1E-6");
  EXPECT_EQ(formatReal(0.00001L), "0.00001");
  EXPECT_EQ(formatReal(1234567.0L), "1.23457E+6");
  EXPECT_EQ(formatReal(999999.7L), "1E+6");
  EXPECT_EQ(formatReal(-2.5L), "-2.5");
  EXPECT_EQ(formatReal(-0.000123456789L), "-0.000123457");
  EXPECT_EQ(formatReal(1e-300L), "1E-300");
  EXPECT_EQ(formatReal(0.0L), "0");
  EXPECT_EQ(formatReal(1e4000L), "1E+4000");
}

TEST(NumberPrinting, ComputedValuesPrintTheirValueAndReadValuesTheirSpelling) {
  EXPECT_EQ(divide(*makeInt(1), *makeInt(3))->printText(), "0.333333");
  EXPECT_EQ(divide(*makeInt(6), *makeInt(3))->printText(), "2");
  EXPECT_EQ(makeReal(1234567)->printText(), "1.23457E+6");
  EXPECT_EQ(makeInt(-42)->printText(), "-42");
  EXPECT_EQ(Value(new tLogoInt(7, "007"))->printText(), "007");
  EXPECT_EQ(Value(new tLogoReal("3.10", 3.1L))->printText(), "3.10");
  EXPECT_EQ(Value(new tLogoReal("1e3", 1000))->printText(), "1e3");
  // The spelling goes with the value, not with what is computed from it.
  EXPECT_EQ(plus(*Value(new tLogoReal("1e3", 1000)), *makeInt(0))->printText(), "1000");
}

TEST(NumberReading, IntegersAreWholeSigned32BitDecimals) {
  EXPECT_EQ(parseInteger("2147483647"), 2147483647);
  EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(parseInteger("+5"), 5);
  for (const char* bad : {"", "2147483648", "1.0", " 1", "1 ", "0x10", "+-1", "-", "+", "1e3"})
    EXPECT_FALSE(parseInteger(bad)) << bad;
}

TEST(NumberReading, RealsFollowTheGrammarOnly) {
  EXPECT_EQ(*parseReal("1.5"), 1.5L);
  EXPECT_EQ(*parseReal("1e3"), 1000.0L);
  EXPECT_EQ(*parseReal("-2.5E-1"), -0.25L);
  EXPECT_EQ(*parseReal(".5"), 0.5L);
  EXPECT_EQ(*parseReal("5."), 5.0L);
  EXPECT_EQ(*parseReal("+7"), 7.0L);
  EXPECT_EQ(*parseReal("1e-6000"), 0.0L);
  for (const char* bad : {"1,5", "", ".", "e3", "1e", "1e+", "inf", "nan", "0x1p3", " 1.5", "1.5 ", "1e99999", "--1"})
    EXPECT_FALSE(parseReal(bad)) << bad;
}

}  // namespace
}  // namespace lx
