// List cells: the empty-list invariant, tail sharing, builders, disposal of long and deep lists (counted through the cell
// pool), and structural equality.
#include <gtest/gtest.h>

#include "destruction_probe.h"

#include "list_test_support.h"
#include "values/cell_pool.h"
#include "values/list_access.h"
#include "values/list_builder.h"
#include "values/list_editing.h"

namespace lx {
namespace {

using namespace lx::testing;

uint64_t liveCells() {
  const CellPoolStats stats = cellPoolStats();
  return stats.allocations - stats.frees;
}

TEST(ListCells, EmptyListIsOneCellAndNeverPartOfAnother) {
  const Ref<tLogoList> empty = tLogoList::empty();
  EXPECT_TRUE(empty->isEmpty());
  EXPECT_EQ(empty->count(), 0u);
  EXPECT_FALSE(empty->element());
  const Ref<tLogoList> one = tLogoList::cons(makeWord("a"), empty);
  EXPECT_FALSE(one->rest());  // the empty list is not linked in
  ListBuilder builder;
  EXPECT_TRUE(builder.finish()->isEmpty());
  ListBuilder withTail;
  withTail.add(makeWord("x"));
  EXPECT_FALSE(withTail.finish(tLogoList::empty())->rest());
}

TEST(ListCells, FputAndButfirstShareTheTail) {
  const Ref<tLogoList> list = read("a b c");
  const Value longer = listFput(*list, makeWord("z"));
  EXPECT_EQ(L(longer).rest().get(), list.get());
  EXPECT_EQ(listButfirst(*list).get(), list->rest().get());
  const Value single = listButfirst(*read("a"));
  EXPECT_TRUE(single->isEmpty() && single->isList());
  EXPECT_EQ(shown(listFput(*tLogoList::empty(), makeWord("a"))), "a");
}

TEST(ListCells, CopyAndLputCopyTheSpineOnly) {
  const Ref<tLogoList> list = read("a [b] c");
  const Value copy = list->copy();
  EXPECT_NE(copy.get(), list.get());
  EXPECT_EQ(L(copy).rest()->element().get(), list->rest()->element().get());
  const Value appended = listLput(*list, makeWord("d"));
  EXPECT_EQ(shown(appended), "a [b] c d");
  EXPECT_EQ(shown(list), "a [b] c");
  EXPECT_EQ(shown(listLput(*tLogoList::empty(), makeWord("d"))), "d");
}

TEST(ListDisposal, CellsAndElementsGoWithTheLastHolder) {
  const uint64_t before = liveCells();
  int destroyed = 0;
  {
    const Value probe(new testing::DestructionProbe(&destroyed));
    Ref<tLogoList> list = read("a [b [c]] d");
    list = tLogoList::cons(probe, list);
    const Value tail = listButfirst(*list);
    list = nullptr;
    EXPECT_EQ(destroyed, 0);  // the probe is still held here
    EXPECT_GT(liveCells(), before);
  }
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(liveCells(), before);
}

TEST(ListDisposal, LongAndDeepListsFreeWithoutRecursion) {
  const uint64_t before = liveCells();
  {
    Value list = tLogoList::empty();
    for (int k = 0; k < 1000000; ++k) list = listFput(L(list), makeInt(k));
    Value deep = tLogoList::empty();
    for (int k = 0; k < 1000000; ++k) deep = tLogoList::cons(deep, nullptr);
    // The deep list as an element of the long one.
    list = tLogoList::cons(deep, selfRef(L(list)));
    deep = nullptr;
  }
  EXPECT_EQ(liveCells(), before);
}

TEST(ListDisposal, ProcessThreadsReuseCellBlocks) {
  initCellPool();
  const size_t idle = cellPoolStats().idle;
  {
    const Ref<tLogoList> list = read("a b c");
    EXPECT_EQ(cellPoolStats().idle, idle - 3);
  }
  EXPECT_EQ(cellPoolStats().idle, idle);
}

TEST(ListEquality, StructuralAndByTheWordRules) {
  EXPECT_TRUE(read("a [b c] 1")->equals(*read("A [B C] 1.0")));
  EXPECT_TRUE(read("1 [2]")->equals(*read("|1| [2]")));
  EXPECT_FALSE(read("a [b c]")->equals(*read("a [b c] d")));
  EXPECT_FALSE(read("a [b c] d")->equals(*read("a [b c]")));
  EXPECT_FALSE(read("a [b c]")->equals(*read("a [b [c]]")));
  EXPECT_FALSE(read("[a]")->equals(*read("a")));
  EXPECT_FALSE(read1("[a]")->equals(*makeWord("a")));
  EXPECT_FALSE(makeWord("a")->equals(*read1("[a]")));
  EXPECT_FALSE(makeInt(1)->equals(*read1("[1]")));
  EXPECT_TRUE(tLogoList::empty()->equals(*read("")));
  EXPECT_TRUE(read1("[]")->notEquals(*read1("[[]]")));
}

TEST(ListEquality, DeepListsCompareWithoutRecursion) {
  const size_t depth = 200000;
  const std::string text = std::string(depth, '[') + "x" + std::string(depth, ']');
  EXPECT_TRUE(read(text)->equals(*read(text)));
  EXPECT_FALSE(read(text)->equals(*read(std::string(depth, '[') + "y" + std::string(depth, ']'))));
}

}  // namespace
}  // namespace lx
