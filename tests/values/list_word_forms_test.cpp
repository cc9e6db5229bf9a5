// The word forms of the word/list operations: characters as elements,
// numbers by their printed form, the empty word under each strict level,
// and membership by the word rules.
#include "values/word_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "list_test_support.h"

namespace lx {
namespace {

using namespace lx::testing;

Value w(const char* text) { return makeWord(text); }
std::string text(const Value& v) { return v->wordText(); }

TEST(WordForms, CharactersAreTheElements) {
  const Value abc = w("abc");
  EXPECT_EQ(wordCount(*abc)->asInteger(), 3);
  EXPECT_EQ(text(wordFirst(*abc)), "a");
  EXPECT_EQ(text(wordButfirst(*abc)), "bc");
  EXPECT_EQ(text(wordLast(*abc)), "c");
  EXPECT_EQ(text(wordButlast(*abc)), "ab");
  EXPECT_EQ(text(wordReverse(*abc)), "cba");
  std::string shuffled = text(wordShuffle(*abc));
  std::sort(shuffled.begin(), shuffled.end());
  EXPECT_EQ(shuffled, "abc");
  EXPECT_EQ(text(wordFput(*abc, *w("x"))), "xabc");
  EXPECT_EQ(text(wordLput(*abc, *makeInt(12))), "abc12");
  EXPECT_EQ(errorOf([&] { wordFput(*abc, *read1("[x]")); }), erExpectWord);
  EXPECT_EQ(text(wordFirst(*read1("123"))), "1");
  EXPECT_EQ(text(wordButfirst(*read1("3.10"))), ".10");
  EXPECT_EQ(wordCount(*w(""))->asInteger(), 0);
}

TEST(WordForms, EmptyWordIsAnErrorOnlyAtStrictTwo) {
  const Value empty = w("");
  for (int level : {0, 1}) {
    StrictOption strict(level);
    for (auto op : {wordFirst, wordButfirst, wordLast, wordButlast, wordPick}) EXPECT_EQ(text(op(*empty)), "");
  }
  StrictOption strict(2);
  for (auto op : {wordFirst, wordButfirst, wordLast, wordButlast, wordPick})
    EXPECT_EQ(errorOf([&] { op(*empty); }), erEmptyWord);
}

TEST(WordForms, ItemAndItsRangeUnderTheStrictOption) {
  const Value abc = w("abc");
  EXPECT_EQ(text(wordItem(*abc, makeInt(2))), "b");
  EXPECT_EQ(text(wordItem(*abc, makeInt(4))), "");
  EXPECT_EQ(text(wordItem(*w(""), makeInt(1))), "");
  EXPECT_EQ(text(wordItem(*abc, read1("[2 1]"))), "b");
  StrictOption strict(1);
  EXPECT_EQ(errorOf([&] { wordItem(*abc, makeInt(4)); }), erMinMax);
  EXPECT_EQ(errorOf([&] { wordItem(*abc, makeInt(0)); }), erMinMax);
  EXPECT_EQ(errorOf([&] { wordItem(*w(""), makeInt(1)); }), erEmptyWord);
}

TEST(WordForms, MembershipUsesTheWordRules) {
  const Value word = w("aBc1");
  EXPECT_EQ(wordMember(*word, *w("b"))->asInteger(), 2);
  EXPECT_TRUE(wordMemberP(*word, *makeInt(1))->asBool());
  EXPECT_FALSE(wordMemberP(*word, *w("bc"))->asBool());
  EXPECT_FALSE(wordMemberP(*word, *read1("[a]"))->asBool());
  EXPECT_EQ(wordMember(*word, *w("z"))->asInteger(), 0);
  EXPECT_EQ(text(wordButmember(*w("banana"), *w("A"))), "bnn");
  EXPECT_EQ(text(wordFrommember(*word, *w("C"))), "c1");
  EXPECT_EQ(text(wordFrommember(*word, *w("z"))), "");
}

TEST(WordForms, ButitemAndReplace) {
  const Value word = w("abcde");
  EXPECT_EQ(text(wordButitem(*word, makeInt(1))), "bcde");
  EXPECT_EQ(text(wordButitem(*word, read1("[2 3]"))), "ae");
  EXPECT_EQ(text(wordButitem(*word, read1("[4 10]"))), "abc");
  EXPECT_EQ(text(wordReplace(*word, makeInt(5), *w("XY"))), "abcdXY");
  EXPECT_EQ(text(wordReplace(*word, read1("[2 3]"), *w("-"))), "a-e");
  EXPECT_EQ(errorOf([&] { wordReplace(*word, makeInt(1), *read1("[x]")); }), erExpectWord);
  EXPECT_EQ(text(wordButitem(*word, makeInt(9))), "");
  StrictOption strict(1);
  EXPECT_EQ(errorOf([&] { wordButitem(*word, makeInt(9)); }), erMinMax);
}

}  // namespace
}  // namespace lx
