// Templates "!" and "!2" with a stand-in for the evaluator: which elements
// are evaluated, how groups are cut out, nesting, and the missing ")".
#include "values/list_template.h"

#include <gtest/gtest.h>

#include <vector>

#include "lang/name_comparison.h"
#include "list_test_support.h"

namespace lx {
namespace {

using namespace lx::testing;

std::vector<std::string> evaluated;

// A ":name" evaluates to the name in capitals, a group to its length.
Value standIn(const Value& expression) {
  evaluated.push_back(expression->showText(1));
  if (expression->isList()) return makeInt(static_cast<int32_t>(asList(*expression)->count()));
  return makeWord(upperCase(expression->wordText().substr(1)));
}

class Templates : public ::testing::Test {
 protected:
  void SetUp() override {
    evaluated.clear();
    setTemplateEvaluator(standIn);
  }
  void TearDown() override { setTemplateEvaluator(nullptr); }
};

std::string filled(const char* text, TemplatePositions positions = TemplatePositions::All) {
  return shown(fillTemplate(L(read1(text)), positions));
}

TEST_F(Templates, VariablesGroupsAndNestedLists) {
  EXPECT_EQ(filled("[a :x [b :y [:z]] ( sum 1 ( 2 ) ) c ]"), "a X [b Y [Z]] 7 c");
  EXPECT_EQ(evaluated, (std::vector<std::string>{":x", ":y", ":z", "[( sum 1 ( 2 ) )]"}));
  EXPECT_EQ(filled("[\"x :]"), "\"x ||");  // ":" alone names the empty variable
}

TEST_F(Templates, EvenPositionsOnly) {
  EXPECT_EQ(filled("[:a :b :c :d]", TemplatePositions::Even), ":a B :c D");
  EXPECT_EQ(filled("[name (1 + 2) size [:w :h]]", TemplatePositions::Even), "name 5 size [:w H]");
}

TEST_F(Templates, EmptyInputAndUnclosedGroups) {
  const Ref<tLogoList> empty = tLogoList::empty();
  EXPECT_EQ(fillTemplate(*empty, TemplatePositions::All).get(), empty.get());
  EXPECT_EQ(filled("[[] a]"), "[] a");
  EXPECT_EQ(errorOf([] { filled("[a ( b ( c )]"); }), erMissingRpar);
  EXPECT_EQ(filled("[a ) b]"), "a ) b");
}

TEST_F(Templates, DeepNestingIsFilledWithoutRecursion) {
  const size_t depth = 100000;
  const std::string text = std::string(depth, '[') + ":v" + std::string(depth, ']');
  EXPECT_EQ(shown(fillTemplate(*read(text), TemplatePositions::All)),
            std::string(depth, '[') + "V" + std::string(depth, ']'));
}

}  // namespace
}  // namespace lx
