// The value stack: order, ownership of entries, and the internal errors of
// misuse.
#include "interp/logo_stack.h"

#include <gtest/gtest.h>

#include "core/logo_exception.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

errorConst codeOf(auto&& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return e.code;
  }
  return erUnexpected;
}

std::string shownOf(const Value& value) { return value->showText(0); }

// Lists made of the top of the stack.
TEST(LogoStack, StackConstructorsTakeValuesInPushOrder) {
  tLogoStack stack;
  stack.push(makeWord("under"));
  stack.push(makeWord("a"));
  stack.push(readList("b c"));
  stack.push(tLogoList::empty());
  stack.push(makeInt(1));
  EXPECT_EQ(shownOf(spliced(stack, 4)), "a b c 1");
  EXPECT_EQ(stack.count(), 1u);
  stack.push(readList("b c"));
  stack.push(tLogoList::empty());
  EXPECT_EQ(shownOf(fromStack(stack, 2)), "[b c] []");
  EXPECT_TRUE(fromStack(stack, 0)->isEmpty());
  EXPECT_EQ(stack.count(), 1u);
}

TEST(LogoStack, EntriesKeepTheirValuesAlive) {
  tLogoStack stack;
  Value word = makeWord("kept");
  stack.push(word);
  EXPECT_EQ(word->refCount, 2);
  stack.pushNone();
  EXPECT_FALSE(stack.top());
  stack.popNone();
  Value taken = stack.take();
  EXPECT_EQ(taken.get(), word.get());
  EXPECT_EQ(word->refCount, 2);
  taken = nullptr;
  EXPECT_EQ(word->refCount, 1);
}

TEST(LogoStack, PositionalOperations) {
  tLogoStack stack;
  for (int i = 1; i <= 5; ++i) stack.push(makeInt(i));
  EXPECT_EQ(stack.peek(0)->asInteger(), 5);
  EXPECT_EQ(stack.peek(4)->asInteger(), 1);
  stack.removeAt(1);  // removes 4
  EXPECT_EQ(stack.peek(1)->asInteger(), 3);
  stack.removeUnderTop();  // removes 3
  EXPECT_EQ(stack.count(), 3u);
  EXPECT_EQ(stack.peek(1)->asInteger(), 2);
  tLogoStack other;
  other.copyFrom(stack, 2);
  EXPECT_EQ(other.count(), 2u);
  EXPECT_EQ(other.peek(1)->asInteger(), 2);
  EXPECT_EQ(other.top()->asInteger(), 5);
  stack.dropTo(1);
  EXPECT_EQ(stack.top()->asInteger(), 1);
  stack.drop(10);
  EXPECT_TRUE(stack.empty());
}

TEST(LogoStack, MisuseRaisesTheInternalErrors) {
  tLogoStack stack;
  Value slot;
  EXPECT_EQ(codeOf([&] { stack.top(); }), erStackTop);
  EXPECT_EQ(codeOf([&] { stack.pop(); }), erStackDeletetop);
  EXPECT_EQ(codeOf([&] { stack.popInto(slot); }), erStackPop);
  EXPECT_EQ(codeOf([&] { stack.take(); }), erStackPop1);
  EXPECT_EQ(codeOf([&] { stack.popNone(); }), erStackPopnil);
  EXPECT_EQ(codeOf([&] { stack.peek(0); }), erStackLookstack);
  EXPECT_EQ(codeOf([&] { stack.removeAt(0); }), erStackShift);
  stack.push(makeInt(1));
  EXPECT_EQ(codeOf([&] { stack.removeUnderTop(); }), erStackShiftTop);
}

TEST(LogoStack, AValueWhereNoneIsExpectedIsErrorTwo) {
  tLogoStack stack;
  stack.push(makeInt(3));
  try {
    stack.popNone();
    FAIL();
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erWhatToDo);
    EXPECT_EQ(e.value->printText(), "3");
  }
  EXPECT_TRUE(stack.empty());
}

}  // namespace
}  // namespace lx
