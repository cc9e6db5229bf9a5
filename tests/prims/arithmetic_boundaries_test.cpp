// Where arithmetic and indexing faults hide: division with both signs and
// no remainder, results just past the 32-bit limits (which must become
// extended reals, never wrap), and indexes at 0, 1, the length and one past
// it, for words and lists.
#include "prims/data_primitives_session.h"
#include "core/global_options.h"
#include "values/number.h"

namespace lx {
namespace {

struct Case {
  const char* expression;
  long double want;
};

class ArithmeticBoundaries : public testing::DataPrimitivesTest {
 protected:
  void expectNumber(const Case& c) {
    SCOPED_TRACE(c.expression);
    Value got;
    try {
      got = valueOf(c.expression);
    } catch (const eLogoException& e) {
      ADD_FAILURE() << "error " << e.code;
      return;
    }
    ASSERT_TRUE(got && got->isNumber());
    EXPECT_EQ(got->asReal(), c.want) << got->printText();
  }
};

TEST_F(ArithmeticBoundaries, DivAndModFloorWithEitherSignAndNoRemainder) {
  const Case cases[] = {
      {"div 6 3", 2},    {"div -6 3", -2},  {"div 6 -3", -2},  {"div -6 -3", 2},
      {"mod 6 3", 0},    {"mod -6 3", 0},   {"mod 6 -3", 0},   {"mod -6 -3", 0},
      {"div 7 2", 3},    {"div -7 2", -4},  {"div 7 -2", -4},  {"div -7 -2", 3},
      {"mod 7 2", 1},    {"mod -7 2", 1},   {"mod 7 -2", -1},  {"mod -7 -2", -1},
      {"div 0 -5", 0},   {"mod 0 -5", 0},   {"div 1 -1", -1},  {"mod -1 1", 0},
      {"div -1 2147483647", -1},             {"mod -1 2147483647", 2147483646},
      {"mod 2147483647 -2147483648", -1},    {"div \"-6 \"3", -2},
      {"div 2.6 -1.4", -3},  // both taken as whole numbers first: 3 div -1
  };
  for (const Case& c : cases) expectNumber(c);
  EXPECT_EQ(errorOf("print div 5 0"), erDiv0);
  EXPECT_EQ(errorOf("print mod 5 0"), erDiv0);
  EXPECT_EQ(errorOf("print mod -5 0.4"), erDiv0);  // 0.4 is taken as 0
}

TEST_F(ArithmeticBoundaries, ResultsPastThirtyTwoBitsBecomeRealsInsteadOfWrapping) {
  const Case cases[] = {
      {"2147483647 + 1", 2147483648.0L},
      {"-2147483648 - 1", -2147483649.0L},
      {"65536 * 65536", 4294967296.0L},
      {"- -2147483648", 2147483648.0L},
      {"abs -2147483648", 2147483648.0L},
      {"div -2147483648 -1", 2147483648.0L},
      {"mod -2147483648 -1", 0},
      {"2147483647 * -1", -2147483647},
      {"-2147483647 - 1", -2147483648.0L},
      {"(sum 2147483647 1 -1)", 2147483647},
      {"product -1 -2147483648", 2147483648.0L},
      {"\"2147483648 + 0", 2147483648.0L},
      {"\"2147483647 + 0", 2147483647},
  };
  for (const Case& c : cases) expectNumber(c);
  // Only results that fit stay 32-bit integers.
  EXPECT_NE(as<tLogoInt>(valueOf("2147483646 + 1")), nullptr);
  EXPECT_EQ(as<tLogoInt>(valueOf("2147483647 + 1")), nullptr);
  EXPECT_NE(as<tLogoInt>(valueOf("-2147483647 - 1")), nullptr);
  EXPECT_EQ(as<tLogoInt>(valueOf("-2147483648 - 1")), nullptr);
}

TEST_F(ArithmeticBoundaries, IndexesAtZeroOneTheLengthAndPastIt) {
  EXPECT_EQ(output("show item 1 \"abc"), "a\r\n");
  EXPECT_EQ(output("show item 3 \"abc"), "c\r\n");
  EXPECT_EQ(output("show item 0 \"abc"), "||\r\n");
  EXPECT_EQ(output("show item 4 \"abc"), "||\r\n");
  EXPECT_EQ(output("show item 1 [a b c]"), "a\r\n");
  EXPECT_EQ(output("show item 3 [a b c]"), "c\r\n");
  EXPECT_EQ(output("show item 0 [a b c]"), "[]\r\n");
  EXPECT_EQ(output("show item 4 [a b c]"), "[]\r\n");
  EXPECT_EQ(output("show butitem 3 [a b c]"), "[a b]\r\n");
  EXPECT_EQ(output("show butitem 1 \"abc"), "bc\r\n");
  EXPECT_EQ(output("show count [a b c]"), "3\r\n");
  EXPECT_EQ(errorOf("show item 2147483648 [a b c]"), erMinMax);
}

// Under strict, 0 and length + 1 are error 26 for lists and words alike,
// the ends themselves are items; strict 2 also refuses the first of the
// empty word.
TEST_F(ArithmeticBoundaries, StrictIndexesRefuseZeroAndOnePastTheLength) {
  struct StrictScope {
    explicit StrictScope(int level) { globalOptions().strict = level; }
    ~StrictScope() { globalOptions().strict = 0; }
  };
  {
    StrictScope strict(1);
    for (const char* container : {"[a b c]", "\"abc"}) {
      for (const char* op : {"item", "butitem"}) {
        EXPECT_EQ(errorOf(std::string("show ") + op + " 0 " + container), erMinMax) << op << container;
        EXPECT_EQ(errorOf(std::string("show ") + op + " 4 " + container), erMinMax) << op << container;
      }
    }
    EXPECT_EQ(errorOf("show item 1 []"), erEmptyList);
    EXPECT_EQ(output("show item 3 [a b c]"), "c\r\n");
    EXPECT_EQ(output("show butitem 1 [a b c]"), "[b c]\r\n");
    EXPECT_EQ(output("show item 1 \"abc"), "a\r\n");
    EXPECT_EQ(output("show butitem 3 \"abc"), "ab\r\n");
    EXPECT_EQ(output("show first \"||"), "||\r\n");
  }
  StrictScope strict(2);
  EXPECT_EQ(errorOf("show first \"||"), erEmptyWord);
  EXPECT_EQ(errorOf("show item 4 \"abc"), erMinMax);
  EXPECT_EQ(output("show item 3 \"abc"), "c\r\n");
}

}  // namespace
}  // namespace lx
