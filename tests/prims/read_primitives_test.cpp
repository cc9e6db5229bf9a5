// readlist, readword, readfrom and eof? at the main object.
#include "prims/read_primitives.h"

#include "prims/data_primitives_session.h"

namespace lx {
namespace {

using Reading = testing::DataPrimitivesTest;

TEST_F(Reading, WithoutInputTheAnswersAreEmpty) {
  EXPECT_EQ(output("show readlist show readword print eof?"), "[]\r\n||\r\nfalse\r\n");
  setStandardDestination(nullptr);
  EXPECT_EQ(errorOf("print readlist print readword print eof?"), erUnexpected);
}

TEST_F(Reading, LinesComeFromTheStandardDestination) {
  destination->input = std::vector<std::string>{"hello  world", "[1 2] x", ""};
  EXPECT_EQ(output("show readword"), "|hello  world|\r\n");
  EXPECT_EQ(output("show readlist print eof?"), "[[1 2] x]\r\nfalse\r\n");
  EXPECT_EQ(output("show readword print eof?"), "||\r\ntrue\r\n");
  EXPECT_EQ(output("show readlist show readword"), "[]\r\n||\r\n");
}

TEST_F(Reading, ReadlistReadsNumbersAndRefusesUnbalancedBrackets) {
  destination->input = std::vector<std::string>{"3 4", "a [b"};
  EXPECT_EQ(output("print sum first readlist 10"), "13\r\n");
  EXPECT_EQ(errorOf("show readlist"), erMissingRBracket);
}

TEST_F(Reading, ReadfromOpensNothingAndKeepsTheConsoleInput) {
  destination->input = std::vector<std::string>{"kept"};
  EXPECT_EQ(output("readfrom \"data.txt print readword"), "kept\r\n");
}

}  // namespace
}  // namespace lx
