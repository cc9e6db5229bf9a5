// The evaluator end to end: precedence, parentheses and variable input
// counts, the errors of misplaced values, procedures written in Logo with
// locals, output, stop, tail calls and the depth limit.
#include "interp/evaluator.h"

#include <gtest/gtest.h>

#include <functional>

#include "interp/primitive_descs.h"
#include "interp/procedure_resolver.h"
#include "interp/registry.h"
#include "platform/large_stack_thread.h"
#include "support/logo_session.h"
#include "values/arithmetic.h"
#include "values/pools.h"
#include "values/reader.h"
#include "interp/logo_proc_desc.h"

namespace lx {
namespace {

Value sumInputs(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  return sumOf(inputs);
}

Value nothing(const Value&) { return nullptr; }

class Evaluator : public ::testing::Test, public testing::LogoSession {
 protected:
  Evaluator() {
    registerPrimitive<tMainPasProcDesc>(globalProcedures(), "sum", false, 2u, sumInputs);
    registerPrimitive<tMainPasProcDesc1p>(globalProcedures(), "ignore", false, nothing);
  }
};

TEST_F(Evaluator, PrecedenceAndParentheses) {
  run("print 1 + 2 * 3 print (1 + 2) * 3 print 2 - -1 print -3 print 10 - 2 - 3 print - 2 * 3");
  EXPECT_EQ(printed, (std::vector<std::string>{"7", "9", "3", "-3", "5", "-6"}));
}

// Operators on two integers take a shortcut past the method dispatch; the
// same numbers given as words take the methods. Both must answer alike at
// every edge: signs, zero, and results just past 32 bits.
TEST_F(Evaluator, IntegerShortcutsAnswerAsTheMethods) {
  const std::vector<std::string> numbers = {"0",     "1",      "-1",         "7",          "-7",
                                            "46341", "-46341", "2147483647", "-2147483648", "65536"};
  size_t compared = 0;
  for (const char* op : {"+", "-", "*", "<", ">", "<=", ">=", "=", "<>"}) {
    for (const std::string& a : numbers) {
      for (const std::string& b : numbers) {
        const std::string tail = std::string(" ") + op + " ";
        run("print " + a + tail + b);
        run("print \"" + a + tail + "\"" + b);
        ASSERT_EQ(printed.size(), 2u);
        EXPECT_EQ(printed[0], printed[1]) << a << tail << b;
        printed.clear();
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 900u);
  // Past 32 bits the answer becomes real (printed to six digits here), never wraps round.
  run("print 2147483647 + 1 print -2147483648 - 1 print 65536 * 65536 print 2147483647 + 1 = 2147483648");
  EXPECT_EQ(printed, (std::vector<std::string>{"2.14748E+9", "-2.14748E+9", "4.29497E+9", "true"}));
}

TEST_F(Evaluator, ComparisonsEndInputsThatDoNotTakeThem) {
  run("print sum 1 2 = 3 print 7 / 2 > 3");
  EXPECT_EQ(printed, (std::vector<std::string>{"true", "true"}));
  EXPECT_EQ(errorOf("print 1 = 1 = 1"), erWrongSequence);
  EXPECT_EQ(printed.size(), 3u);  // print ran before the stray "="
}

TEST_F(Evaluator, ParenthesesGiveVariableInputCounts) {
  run("print (sum 1 2 3 4) (print 1 2 3)");
  EXPECT_EQ(printed, (std::vector<std::string>{"10", "1 2 3"}));
  EXPECT_EQ(errorOf("(sum 1 2 3 4)"), erWhatToDo);
  EXPECT_EQ(lastError->value->printText(), "10");
}

TEST_F(Evaluator, MisplacedValuesAndMissingThings) {
  EXPECT_EQ(errorOf("3"), erWhatToDo);
  EXPECT_EQ(errorOf("- 3"), erWrongSequence);
  EXPECT_EQ(errorOf("print (1 + 2"), erMissingRpar);
  EXPECT_EQ(errorOf("print"), erNotEnoughInputs);
  EXPECT_EQ(errorOf("nosuchthing 1"), erDoNotKnowHowTo);
  EXPECT_EQ(nameOf(lastError->nameCode), "nosuchthing");
  EXPECT_EQ(errorOf("print :nosuchvar"), erNoVal);
}

TEST_F(Evaluator, AProcedureThatOutputsNothingIsNamedWhenItsValueIsWanted) {
  define("quiet", {}, "ignore 1");
  EXPECT_EQ(errorOf("print quiet"), erDidNotReport);
  EXPECT_EQ(nameOf(lastError->nameCode), "quiet");
  EXPECT_EQ(lastError->primName, "print");
}

TEST_F(Evaluator, ProceduresOutputStopAndBindParameters) {
  define("double", {"x"}, "output :x * 2");
  define("add3", {"a", "b", "c"}, "output :a + :b + :c");
  run("print double 21 print add3 1 2 3");
  EXPECT_EQ(printed, (std::vector<std::string>{"42", "6"}));
  EXPECT_EQ(errorOf("double 2"), erWhatToDo);
  EXPECT_EQ(errorOf("print (add3 1 2)"), erNotEnoughInputs);
}

TEST_F(Evaluator, StopLeavesTheProcedure) {
  define("partial", {}, "print 1 stop print 2");
  run("partial print 3");
  EXPECT_EQ(printed, (std::vector<std::string>{"1", "3"}));
}

TEST_F(Evaluator, LocalsHaveDynamicScope) {
  define("outer", {"n"}, "inner");
  define("inner", {}, "print :n");
  run("outer 5");
  EXPECT_EQ(printed, (std::vector<std::string>{"5"}));
  EXPECT_EQ(errorOf("inner"), erNoVal);
}

TEST_F(Evaluator, TailCallsRunInConstantSpace) {
  define("countdown", {"n"}, "if.zero.stop :n\ncountdown :n - 1");
  registerLiteral<tMainPasProcDesc1p>(globalProcedures(), "if.zero.stop", false, [](const Value& n) -> Value {
    if (n->asInteger() == 0) threadState().stopFlag = true;
    return nullptr;
  });
  // The stop flag of the helper above ends the procedure like `stop`.
  run("countdown 1000000 print \"done");
  EXPECT_EQ(printed, (std::vector<std::string>{"done"}));
  EXPECT_EQ(threadState().locals.frameCount(), 0u);
}

TEST_F(Evaluator, DeepRecursionIsErrorOneNinetyFive) {
  errorConst code = erUnexpected;
  runOnLargeStack([&] {
    setLogoProcessThread(true);
    testing::LogoSession session;
    session.define("down", {"n"}, "down :n + 1\nprint :n");
    code = session.errorOf("down 1");
  });
  EXPECT_EQ(code, erStackOverflow);
}

bool busyMayErase = true;

TEST_F(Evaluator, ARunningProcedureCannotBeErased) {
  define("busy", {}, "try.erase");
  registerLiteral<tMainPasProcDesc0p>(globalProcedures(), "try.erase", false, []() -> Value {
    busyMayErase = globalProcedures().find(codeOf("busy"))->mayErase();
    return nullptr;
  });
  run("busy");
  EXPECT_FALSE(busyMayErase);
  EXPECT_TRUE(globalProcedures().find(codeOf("busy"))->mayErase());
}

TEST_F(Evaluator, ErrorsInProceduresCarryTheInnermostNameAndLine) {
  define("inner", {}, "print 1\nprint 1 / 0");
  define("outer", {}, "print 0\ninner");
  EXPECT_EQ(errorOf("outer"), erDiv0);
  EXPECT_EQ(lastError->procName, "inner");
  EXPECT_EQ(lastError->line, 2);
  EXPECT_EQ(lastError->inprocType, ipProc);
}

Value runInput(const Value& list) {
  runValue(*list);
  return nullptr;
}

TEST_F(Evaluator, ErrorLinesCountIntoNestedLists) {
  registerLiteral<tMainPasProcDesc1p>(globalProcedures(), "do", false, runInput);
  const std::string source = "to nested\nprint 1\n; a comment line\ndo [print 2\ndo [print 1 / 0]]\nend";
  globalProcedures().add(std::make_unique<tLogoProcDescF>(
      codeOf("nested"), std::vector<NameCode>{},
      Value(readList("print 1\ndo [print 2 do [print 1 / 0]]", ReadMode::Lines)), source));
  EXPECT_EQ(errorOf("nested"), erDiv0);
  EXPECT_EQ(lastError->line, 3);
  EXPECT_EQ(lastError->procName, "nested");
}

TEST_F(Evaluator, TemplatesEvaluateVariablesAndGroups) {
  define("show.template", {"x"}, "print ! [a :x (:x * 2) [:x]]\nprint !2 [a :x b (1 + 1)]");
  run("show.template 4");
  EXPECT_EQ(printed, (std::vector<std::string>{"a 4 8 [4]", "a 4 b 2"}));
}

TEST_F(Evaluator, ValueMethodsDispatchOnTheirInput) {
  run("print first [a b] print first \"abc print fput 1 [2] print item 2 [x y z] print [1 2] + [3 4]");
  EXPECT_EQ(printed, (std::vector<std::string>{"a", "a", "1 2", "y", "4 6"}));
  run("print [1 2] = [1 2] print \"abc = \"ABC print 3 * [1 2] print replace 2 [a b c] \"x");
  EXPECT_EQ(printed.back(), "a x c");
}

}  // namespace
}  // namespace lx
