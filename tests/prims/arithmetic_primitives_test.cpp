// sum, product and the bit operations of many inputs, and the numeric rules
// every arithmetic primitive follows.
#include "prims/arithmetic_primitives.h"

#include "prims/data_primitives_session.h"
#include "values/number.h"

namespace lx {
namespace {

using Arithmetic = testing::DataPrimitivesTest;

TEST_F(Arithmetic, SumAndProductStayIntegersUntilTheyOverflow) {
  EXPECT_NE(as<tLogoInt>(valueOf("(sum 2147483640 5 2)")), nullptr);
  const Value big = valueOf("sum 2147483647 1");
  ASSERT_NE(as<tLogoReal>(big), nullptr);
  EXPECT_EQ(big->asReal(), 2147483648.0L);
  EXPECT_EQ(valueOf("(sum 2147483647 1 1.5)")->asReal(), 2147483649.5L);
  EXPECT_EQ(valueOf("(sum -2147483647 -1 -1)")->asReal(), -2147483649.0L);
  const Value product = valueOf("(product 65536 65536 2)");
  ASSERT_NE(as<tLogoReal>(product), nullptr);
  EXPECT_EQ(product->asReal(), 8589934592.0L);
  EXPECT_NE(as<tLogoInt>(valueOf("(product 2 3 4)")), nullptr);
}

TEST_F(Arithmetic, SumAndProductOfNoneOneAndNumericWords) {
  EXPECT_EQ(output("print (sum) print (product) print (sum 5) print (product 7)"), "0\r\n1\r\n5\r\n7\r\n");
  EXPECT_NE(as<tLogoInt>(valueOf("sum \"3 \"4")), nullptr);
  EXPECT_EQ(output("print sum \"3 \"4 print product 1.5 2"), "7\r\n3\r\n");
}

TEST_F(Arithmetic, AListReceiverAddsTheOtherInputsAsVectors) {
  EXPECT_EQ(output("show (sum [1 2] [3 4] [5 6]) show product [1 2] [3 4]"), "[9 12]\r\n[3 8]\r\n");
  EXPECT_EQ(output("show sum [[0 0] [1 1]] [10 20]"), "[[10 20] [11 21]]\r\n");
  EXPECT_EQ(output("show (sum [1 2])"), "[1 2]\r\n");
  EXPECT_EQ(errorOf("show sum [1 2] [1 2 3]"), erBadStructure);
}

TEST_F(Arithmetic, ANonNumberIsErrorTwelveWithTheOffendingInput) {
  ASSERT_EQ(errorOf("print sum 1 \"x"), erExpectNumber);
  EXPECT_EQ(lastError->value->printText(), "x");
  ASSERT_EQ(errorOf("print (sum \"y 1 2)"), erExpectNumber);
  EXPECT_EQ(lastError->value->printText(), "y");
  EXPECT_EQ(errorOf("print product 2 \"true"), erExpectNumber);
  EXPECT_EQ(errorOf("print sum [1 2] 3"), erExpectNumber);
}

TEST_F(Arithmetic, BitOperationsCombineThirtyTwoBitIntegers) {
  EXPECT_EQ(output("print bitand 12 10 print bitor 12 10 print bitxor 12 10"), "8\r\n14\r\n6\r\n");
  EXPECT_EQ(output("print (bitand 15 6 3) print (bitxor 1 2 4 1) print bitand -1 255"), "2\r\n6\r\n255\r\n");
  EXPECT_EQ(output("print (bitand) print (bitor) print (bitxor) print (bitor 5)"),
            "-2147483648\r\n0\r\n0\r\n5\r\n");
  EXPECT_EQ(output("print bitor \"2 2.6"), "3\r\n");
}

TEST_F(Arithmetic, TheLastBitInputMustBeAWord) {
  ASSERT_EQ(errorOf("print bitand 7 [1]"), erMinMax);
  EXPECT_EQ(lastError->numberA, INT32_MIN);
  EXPECT_EQ(lastError->numberB, INT32_MAX);
  EXPECT_EQ(errorOf("print bitand [1] 7"), erExpectNumber);
  EXPECT_EQ(errorOf("print bitor 1 \"x"), erExpectNumber);
}

// The operators and functions of one number are value methods; these are
// the rules a Logo program sees through them.
TEST_F(Arithmetic, DivisionRoundingAndAngles) {
  EXPECT_EQ(output("print 7 / 2 print div -7 2 print mod -7 2 print mod 7 -2"), "3.5\r\n-4\r\n1\r\n-1\r\n");
  EXPECT_NE(as<tLogoReal>(valueOf("6 / 2")), nullptr);
  EXPECT_EQ(errorOf("print div 5 0"), erDiv0);
  EXPECT_EQ(errorOf("print 5 / 0"), erDiv0);
  EXPECT_EQ(output("print round 2.5 print round -2.5 print int -2.7"), "3\r\n-3\r\n-2\r\n");
  const Value sine = valueOf("sin 90");
  ASSERT_NE(as<tLogoReal>(sine), nullptr);
  EXPECT_EQ(sine->printText(), "1");
  EXPECT_EQ(output("print arctan 1"), "45\r\n");
}

TEST_F(Arithmetic, RandomStaysInItsRangeWhateverTheSeed) {
  run("randomize");
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(valueOf("random 1")->asInteger(), 0);
    const int32_t negative = valueOf("random -5")->asInteger();
    EXPECT_GE(negative, -4);
    EXPECT_LE(negative, 0);
  }
}

}  // namespace
}  // namespace lx
