// Print and show forms: brackets by level, line breaks in words, the show
// form's quoting of every kind of special character, and printing lists
// too deep for recursion.
#include "values/printer.h"

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "values/list_builder.h"
#include "values/show_form.h"

namespace lx {
namespace {

using namespace lx::testing;

TEST(PrintForm, BracketsDependOnTheLevel) {
  const Ref<tLogoList> list = read("a [b [] c] 1e3");
  EXPECT_EQ(list->printText(0), "a [b [] c] 1e3");
  EXPECT_EQ(list->printText(1), "[a [b [] c] 1e3]");
  EXPECT_EQ(list->printText(), "[a [b [] c] 1e3]");
  EXPECT_EQ(tLogoList::empty()->printText(0), "");
  EXPECT_EQ(tLogoList::empty()->printText(1), "[]");
  EXPECT_EQ(read("[[]]")->printText(0), "[[]]");
}

TEST(PrintForm, WordsPrintAsTheyAreAndLoneCarriageReturnsGainALineFeed) {
  EXPECT_EQ(makeWord("a\rb\r\nc\r")->printText(), "a\r\nb\r\nc\r\n");
  const Ref<tLogoList> list = read("|a b| \\[");
  EXPECT_EQ(list->printText(0), "a b [");
  EXPECT_EQ(list->showText(0), "|a b| |[|");
}

TEST(PrintForm, PrintLinesEndsEveryElementWithALineBreak) {
  EXPECT_EQ(printLines(*readList("fd 10\r\nrt [90]", ReadMode::Lines)), "fd 10\r\nrt [90]\r\n");
  EXPECT_EQ(printLines(*read("a [b c]")), "a\r\nb c\r\n");
}

TEST(ShowForm, WordsThatNeedNoQuoting) {
  for (const char* word : {"abc", "+", "-", "(", "=", "<", "<>", "<=", ">=", "\"", "\"\"", "\"+", "\";", "12", "a.b"})
    EXPECT_EQ(showFormOfWord(word), word) << word;
}

TEST(ShowForm, BarsWhenOnlyBlanksBracketsOrOperatorsNeedProtecting) {
  EXPECT_EQ(showFormOfWord("a b"), "|a b|");
  EXPECT_EQ(showFormOfWord(""), "||");
  EXPECT_EQ(showFormOfWord("-5"), "|-5|");
  EXPECT_EQ(showFormOfWord("><"), "|><|");
  EXPECT_EQ(showFormOfWord("[x]"), "|[x]|");
  EXPECT_EQ(showFormOfWord("a\\b"), "|a\\b|");
  EXPECT_EQ(showFormOfWord("a\"b"), "|a\"b|");
  EXPECT_EQ(showFormOfWord("\"a b"), "\"|a b|");
  EXPECT_EQ(showFormOfWord("\"a\""), "\"|a\"|");
}

TEST(ShowForm, BackslashesWhenBarsCannotBeUsed) {
  EXPECT_EQ(showFormOfWord("a|b"), "a\\|b");
  EXPECT_EQ(showFormOfWord("a |b"), "a\\ \\|b");
  EXPECT_EQ(showFormOfWord("\xB6"), "\\\xB6");
  EXPECT_EQ(showFormOfWord("\xB7" "fd"), "\\\xB7" "fd");
}

TEST(ShowForm, LineBreaksAndControlCharacters) {
  EXPECT_EQ(showFormOfWord("a\rb"), "a\xB6" "b");
  EXPECT_EQ(showFormOfWord("a\r\nb"), "a\xB6" "b");
  EXPECT_EQ(showFormOfWord("a\nb"), "a\xB6" "b");
  EXPECT_EQ(showFormOfWord("a\x01" "b"), "a\\1.b");
  EXPECT_EQ(showFormOfWord("a\x01"), "a\\1");
  EXPECT_EQ(showFormOfWord("a b\x1F"), "|a b|\\31");
  EXPECT_EQ(showFormOfWord("a\x01 b"), "a\\1.\\ b");
  EXPECT_EQ(showFormOfWord(std::string("\0", 1)), "\\0");
}

TEST(ShowForm, ListsShowTheirElementsShowForms) {
  ListBuilder builder;
  builder.add(makeWord("a b"));
  builder.add(makeWord(""));
  builder.add(read("[x |y z|]")->element());
  builder.add(makeInt(-3));
  const Ref<tLogoList> list = builder.finish();
  EXPECT_EQ(list->showText(0), "|a b| || [x |y z|] -3");
  EXPECT_EQ(list->printText(0), "a b  [x y z] -3");
}

TEST(PrintForm, DeepAndLongListsPrintWithoutRecursion) {
  Ref<tLogoList> deep = tLogoList::cons(makeWord("x"), nullptr);
  const size_t depth = 200000;
  for (size_t k = 0; k < depth; ++k) deep = tLogoList::cons(deep, nullptr);
  const std::string text = deep->printText(0);
  EXPECT_EQ(text, std::string(depth, '[') + "x" + std::string(depth, ']'));
  ListBuilder builder;
  for (int k = 0; k < 100000; ++k) builder.add(makeInt(k % 10));
  EXPECT_EQ(builder.finish()->printText(0).size(), 199999u);
}

}  // namespace
}  // namespace lx
