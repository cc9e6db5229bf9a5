// empty?, word?, list?, number? and image?.
#include "prims/type_primitives.h"

#include "prims/data_primitives_session.h"

namespace lx {
namespace {

using TypeTests = testing::DataPrimitivesTest;

TEST_F(TypeTests, EmptyIsTheEmptyWordOrTheEmptyList) {
  EXPECT_EQ(output("print empty? \" print empty? [] print empty? 0 print empty? \"| | print empty? [[]]"),
            "true\r\ntrue\r\nfalse\r\nfalse\r\nfalse\r\n");
}

TEST_F(TypeTests, NumbersBooleansAndTextAreWords) {
  EXPECT_EQ(output("print word? 12 print word? \"true print word? \"abc print word? []"),
            "true\r\ntrue\r\ntrue\r\nfalse\r\n");
  EXPECT_EQ(output("print list? [] print list? [a] print list? \"a"), "true\r\ntrue\r\nfalse\r\n");
}

TEST_F(TypeTests, ANumberIsAnyWordThatReadsAsOne) {
  EXPECT_EQ(output("print number? 3 print number? \"12 print number? \"1.5e3 print number? 7 / 2"),
            "true\r\ntrue\r\ntrue\r\ntrue\r\n");
  EXPECT_EQ(output("print number? \"1,5 print number? \"true print number? [1] print number? \""),
            "false\r\nfalse\r\nfalse\r\nfalse\r\n");
}

TEST_F(TypeTests, NothingIsAnImageYet) {
  EXPECT_EQ(output("print image? [] print image? \"a"), "false\r\nfalse\r\n");
}

}  // namespace
}  // namespace lx
