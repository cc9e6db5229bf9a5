// and, or, xor with list inputs evaluated only when needed, and equal?.
#include "prims/logic_primitives.h"

#include "prims/data_primitives_session.h"

namespace lx {
namespace {

class Logic : public testing::DataPrimitivesTest {
 protected:
  // `mark` prints "ran" and outputs true, so the output shows which list
  // inputs were evaluated.
  Logic() { define("mark", {}, "print \"ran\noutput \"true"); }
};

TEST_F(Logic, AndStopsAtTheFirstFalseWithoutEvaluatingLaterLists) {
  EXPECT_EQ(output("print and \"false [mark]"), "false\r\n");
  EXPECT_EQ(output("print and \"true [mark]"), "ran\r\ntrue\r\n");
  EXPECT_EQ(output("print (and [mark] [1 = 2] [mark] [mark])"), "ran\r\nfalse\r\n");
  // The list after the false would raise an error if it ran.
  EXPECT_EQ(output("print and \"false [1 / 0]"), "false\r\n");
  EXPECT_EQ(output("print (and \"false \"true [nosuchprocedure])"), "false\r\n");
}

TEST_F(Logic, OrStopsAtTheFirstTrue) {
  EXPECT_EQ(output("print or \"true [1 / 0]"), "true\r\n");
  EXPECT_EQ(output("print or \"false [mark]"), "ran\r\ntrue\r\n");
  EXPECT_EQ(output("print (or [1 = 2] \"false [2 = 3])"), "false\r\n");
}

TEST_F(Logic, XorEvaluatesEveryInputAndCountsTheTrueOnes) {
  EXPECT_EQ(output("print (xor \"true [mark] \"true)"), "ran\r\ntrue\r\n");
  EXPECT_EQ(output("print xor \"true \"true print xor \"false \"true"), "false\r\ntrue\r\n");
}

TEST_F(Logic, NoInputsGiveTheNeutralTruth) {
  EXPECT_EQ(output("print (and) print (or) print (xor)"), "true\r\nfalse\r\nfalse\r\n");
}

TEST_F(Logic, InputsAreWholeComparisonsAndNumbersAreTruths) {
  EXPECT_EQ(output("print and 1 = 1 2 < 3 print or 1 = 2 2 > 3"), "true\r\nfalse\r\n");
  EXPECT_EQ(output("print and 1 0 print or 0 5"), "false\r\ntrue\r\n");
}

TEST_F(Logic, AnInputWithoutATruthIsErrorTwentyNine) {
  ASSERT_EQ(errorOf("print and \"true \"maybe"), erNotBool);
  EXPECT_EQ(lastError->value->printText(), "maybe");
  // A list input is an expression: one that gives no value is refused.
  EXPECT_EQ(errorOf("print or \"false [print 1]"), erDidNotReport);
}

TEST_F(Logic, EqualComparesEveryInputWithTheFirst) {
  EXPECT_EQ(output("print equal? 1 1.0 print (equal? \"abc \"ABC \"Abc) print (equal? 1 1 2)"),
            "true\r\ntrue\r\nfalse\r\n");
  EXPECT_EQ(output("print equal? [1 [2 a]] [1 [2 A]] print equal? [1] 1 print equal? \"3 3"),
            "true\r\nfalse\r\ntrue\r\n");
  EXPECT_EQ(output("print (equal? 1) print (equal?)"), "true\r\ntrue\r\n");
}

}  // namespace
}  // namespace lx
