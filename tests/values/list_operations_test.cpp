// The list operations: the strict option's effect on empty lists and bad
// indexes, item paths, changed copies that share tails, membership by
// structural equality, random order, and sorting.
#include <gtest/gtest.h>

#include <set>

#include "list_test_support.h"
#include "values/list_access.h"
#include "values/list_builder.h"
#include "values/list_editing.h"
#include "values/list_search.h"
#include "values/list_sort.h"
#include "values/random.h"

namespace lx {
namespace {

using namespace lx::testing;

Value n(int32_t v) { return makeInt(v); }
Value w(const char* text) { return makeWord(text); }

TEST(ListStrictness, EmptyListAnswersAnEmptyListUnlessStrict) {
  const Ref<tLogoList> empty = tLogoList::empty();
  for (auto op : {listFirst, listButfirst, listLast, listButlast, listPick}) {
    const Value answer = op(*empty);
    EXPECT_TRUE(answer->isList() && answer->isEmpty());
  }
  StrictOption strict(1);
  for (auto op : {listFirst, listButfirst, listLast, listButlast, listPick})
    EXPECT_EQ(errorOf([&] { op(*empty); }), erEmptyList);
  EXPECT_EQ(errorOf([&] { listItem(*empty, n(1)); }), erEmptyList);
}

TEST(ListStrictness, ItemOutOfRange) {
  const Ref<tLogoList> list = read("a b c");
  EXPECT_EQ(shown(listItem(*list, n(3))), "c");
  EXPECT_EQ(shown(listItem(*list, read1("2.4"))), "b");
  EXPECT_EQ(shown(listItem(*list, n(0))), "");
  EXPECT_TRUE(listItem(*list, n(4))->isList());
  EXPECT_TRUE(listItem(*tLogoList::empty(), n(1))->isList());
  EXPECT_EQ(errorOf([&] { listItem(*list, w("x")); }), erExpectNumber);
  StrictOption strict(1);
  try {
    listItem(*list, n(4));
    ADD_FAILURE();
  } catch (const eLogoException& e) {
    EXPECT_EQ(e.code, erMinMax);
    EXPECT_EQ(e.numberA, 1);
    EXPECT_EQ(e.numberB, 3);
    EXPECT_EQ(e.value->asInteger(), 4);
  }
  EXPECT_EQ(errorOf([&] { listItem(*list, n(0)); }), erMinMax);
}

TEST(ListAccess, EndsAndCount) {
  const Ref<tLogoList> list = read("a [b] c");
  EXPECT_EQ(shown(listFirst(*list)), "a");
  EXPECT_EQ(shown(listLast(*list)), "c");
  EXPECT_EQ(shown(listButlast(*list)), "a [b]");
  EXPECT_EQ(shown(listButlast(*read("a"))), "");
  EXPECT_EQ(listCount(*list)->asInteger(), 3);
  EXPECT_EQ(listCount(*tLogoList::empty())->asInteger(), 0);
}

TEST(ListAccess, ItemPathsAndDeepitem) {
  const Ref<tLogoList> list = read("[a b] [c [d e]] word");
  EXPECT_EQ(shown(listItem(*list, read1("[2 2 1]"))), "d");
  EXPECT_EQ(shown(listItem(*list, read1("[3 2]"))), "o");  // into a word: its characters
  EXPECT_EQ(shown(listItem(*list, read1("[]"))), shown(list));
  EXPECT_EQ(shown(listDeepitem(*list, read1("[2 2 2]"))), "e");
  EXPECT_EQ(shown(listDeepitem(*list, n(1))), "a b");
  EXPECT_EQ(errorOf([&] { listDeepitem(*list, read1("[1 x]")); }), erBadStructure);
  EXPECT_EQ(errorOf([&] { listDeepitem(*list, read1("[3 1]")); }), erBadStructure);
  EXPECT_EQ(errorOf([&] { listDeepitem(*list, w("x")); }), erExpectList);
  StrictOption strict(1);
  EXPECT_EQ(errorOf([&] { listDeepitem(*list, read1("[2 5]")); }), erMinMax);
}

TEST(ListEditing, ButitemAndReplaceShareWhatFollows) {
  const Ref<tLogoList> list = read("a b c d e");
  const Value without = listButitem(*list, n(2));
  EXPECT_EQ(shown(without), "a c d e");
  EXPECT_EQ(L(without).rest().get(), list->rest()->rest().get());
  EXPECT_EQ(shown(listButitem(*list, read1("[2 3]"))), "a e");
  EXPECT_EQ(shown(listButitem(*list, read1("[4 9]"))), "a b c");
  EXPECT_EQ(shown(listButitem(*read("a"), n(1))), "");
  EXPECT_EQ(shown(listReplace(*list, n(5), w("z"))), "a b c d z");
  EXPECT_EQ(shown(listReplace(*list, n(1), read1("[x y]"))), "[x y] b c d e");
  EXPECT_EQ(shown(listReplace(*list, read1("[2 2]"), read1("[x y z]"))), "a x y z d e");
  EXPECT_EQ(shown(listReplace(*list, read1("[2 2]"), w("x"))), "a x d e");
  EXPECT_EQ(shown(list), "a b c d e");
  EXPECT_EQ(errorOf([&] { listButitem(*list, read1("[1 2 3]")); }), erExpectList2);
  EXPECT_EQ(errorOf([&] { listReplace(*list, read1("[1]"), w("x")); }), erExpectList2);
  EXPECT_TRUE(listButitem(*list, n(6))->isEmpty());
  StrictOption strict(1);
  EXPECT_EQ(errorOf([&] { listButitem(*list, n(6)); }), erMinMax);
  EXPECT_EQ(errorOf([&] { listReplace(*tLogoList::empty(), n(1), w("x")); }), erEmptyList);
}

TEST(ListEditing, DeepreplaceCopiesOnlyThePath) {
  const Ref<tLogoList> list = read("[a b] [c [d e]] f");
  const Value changed = listDeepreplace(*list, read1("[2 2 1]"), w("x"));
  EXPECT_EQ(shown(changed), "[a b] [c [x e]] f");
  EXPECT_EQ(shown(list), "[a b] [c [d e]] f");
  EXPECT_EQ(L(changed).element().get(), list->element().get());  // untouched parts are shared
  EXPECT_EQ(L(changed).rest()->rest().get(), list->rest()->rest().get());
  EXPECT_EQ(shown(listDeepreplace(*list, n(3), w("g"))), "[a b] [c [d e]] g");
  EXPECT_EQ(errorOf([&] { listDeepreplace(*list, read1("[3 1]"), w("x")); }), erBadStructure);
}

TEST(ListSearch, MembershipByStructuralEquality) {
  const Ref<tLogoList> list = read("a [b c] A 1");
  EXPECT_EQ(listMember(*list, *read1("[B C]"))->asInteger(), 2);
  EXPECT_EQ(listMember(*list, *w("1.0"))->asInteger(), 4);
  EXPECT_EQ(listMember(*list, *w("zz"))->asInteger(), 0);
  EXPECT_FALSE(listMemberP(*list, *w("zz"))->asBool());
  EXPECT_TRUE(listMemberP(*list, *w("a"))->asBool());
  EXPECT_EQ(shown(listButmember(*list, *w("a"))), "[b c] 1");
  EXPECT_EQ(shown(listButmember(*read("a a"), *w("a"))), "");
  const Value tail = listFrommember(*list, *w("A"));
  EXPECT_EQ(tail.get(), list.get());  // the first equal element is the first one
  EXPECT_EQ(listFrommember(*list, *n(1)).get(), list->rest()->rest()->rest().get());
  EXPECT_TRUE(listFrommember(*list, *w("zz"))->isEmpty());
}

TEST(ListOrder, ReverseShuffleAndPick) {
  const Ref<tLogoList> empty = tLogoList::empty();
  EXPECT_EQ(listReverse(*empty).get(), empty.get());
  EXPECT_EQ(shown(listReverse(*read("a [b c] d"))), "d [b c] a");
  seedRandom(7);
  std::set<std::string> orders;
  for (int k = 0; k < 300; ++k) {
    const Value shuffled = listShuffle(*read("a b c"));
    EXPECT_EQ(shown(listSort(L(shuffled))), "a b c");
    orders.insert(shown(shuffled));
  }
  EXPECT_EQ(orders.size(), 6u);
  std::set<std::string> picked;
  for (int k = 0; k < 100; ++k) picked.insert(shown(listPick(*read("a b c"))));
  EXPECT_EQ(picked.size(), 3u);
  EXPECT_TRUE(listShuffle(*empty)->isEmpty());
}

TEST(ListSort, NumbersFirstInNumericOrderThenTexts) {
  EXPECT_EQ(shown(listSort(*read("b 10 a 2"))), "2 10 a b");
  EXPECT_EQ(shown(listSort(*read("b A c 1.5 -3"))), "-3 1.5 A b c");
  EXPECT_EQ(shown(listSort(*read("[2 x] [1 y] [1] [0 5]"))), "[0 5] [1 y] [1] [2 x]");
  const Ref<tLogoList> one = read("x");
  EXPECT_EQ(listSort(*one).get(), one.get());
}

TEST(ListSort, LongSortedAndMixedInputs) {
  ListBuilder ascending;
  for (int k = 0; k < 100000; ++k) ascending.add(makeInt(k));
  const Value sorted = listSort(*ascending.finish());
  EXPECT_EQ(L(sorted).count(), 100000u);
  EXPECT_EQ(listLast(L(sorted))->asInteger(), 99999);
  // Numbers and words that start with digits order inconsistently; the
  // sort must still end with every element in place.
  ListBuilder mixed;
  for (int k = 0; k < 5000; ++k) mixed.add(k % 3 ? Value(makeInt(k % 97)) : Value(makeWord(std::to_string(k % 89) + "x")));
  EXPECT_EQ(L(listSort(*mixed.finish())).count(), 5000u);
}

}  // namespace
}  // namespace lx
