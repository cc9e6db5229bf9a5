// catch, throw, throwerror and error.
#include "prims/catch_primitives.h"

#include <gtest/gtest.h>

#include "interp/procedure_resolver.h"
#include "interp/thread_state.h"
#include "support/logo_session.h"

namespace lx {
namespace {

class CatchThrow : public ::testing::Test, public testing::LogoSession {
 protected:
  CatchThrow() { registerCatchPrimitives(globalProcedures()); }
};

TEST_F(CatchThrow, ThrowReachesTheCatchOfItsTagWhateverTheLetterCase) {
  run("catch \"Done [print 1 throw \"DONE print 2] print 3");
  EXPECT_EQ(printed, (std::vector<std::string>{"1", "3"}));
  EXPECT_TRUE(threadState().activeTags.empty());
}

TEST_F(CatchThrow, AThrowWithoutItsCatchIsErrorFortyNamingTheTag) {
  EXPECT_EQ(errorOf("catch \"a [throw \"b]"), erNoCatch);
  EXPECT_EQ(lastError->value->printText(), "b");
  EXPECT_EQ(errorOf("throw \"nowhere"), erNoCatch);
}

TEST_F(CatchThrow, ErrorCatchesErrorsAndErrorEmptiesAfterOneRead) {
  run("catch \"error [print 1 / 0] print error print error");
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[0].substr(0, 3), "32 ");
  EXPECT_EQ(printed[1], "");
  // A throw to a tag nobody catches is an error like any other...
  run("catch \"error [throw \"x] print first error");
  EXPECT_EQ(printed.back(), "40");
  // ...but a throw to a running catch passes the error catch on its way.
  run("catch \"x [catch \"error [throw \"x] print \"missed] print \"outer");
  EXPECT_EQ(printed.back(), "outer");
}

TEST_F(CatchThrow, CaughtErrorListHasSixItems) {
  run("catch \"error [throwerror \"oops 42] print count error");
  EXPECT_EQ(printed, (std::vector<std::string>{"6"}));
  run("catch \"error [throwerror [my own] [1 2]] print last error");
  EXPECT_EQ(printed.back(), "1 2");
}

TEST_F(CatchThrow, TopLevelCatchesOnlyAProcessEndingItself) {
  run("catch \"toplevel [throw \"toplevel print 1] print 2");
  EXPECT_EQ(printed, (std::vector<std::string>{"2"}));
  EXPECT_THROW(run("catch \"error [throw \"toplevel]"), eTerminateException);
}

TEST_F(CatchThrow, LocalsAndTheStackAreRestoredAfterACaughtError) {
  define("fails", {"x"}, "print :x\nprint 1 / 0");
  run("catch \"error [fails 5] print \"after");
  EXPECT_EQ(printed, (std::vector<std::string>{"5", "after"}));
  EXPECT_EQ(threadState().locals.frameCount(), 0u);
  EXPECT_EQ(errorOf("print :x"), erNoVal);
  EXPECT_TRUE(threadState().stack.empty());
}

TEST_F(CatchThrow, OutputInsideCatchLeavesTheProcedure) {
  define("find", {}, "catch \"error [output 7]\noutput 8");
  run("print find");
  EXPECT_EQ(printed, (std::vector<std::string>{"7"}));
}

}  // namespace
}  // namespace lx
