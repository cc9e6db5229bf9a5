// Descriptor tables: direct indexing across growth, replacement, erasing,
// insertion order; variable tables with their failures; local frames with
// dynamic scope and tail-call rebinding.
#include <gtest/gtest.h>

#include "interp/entry_saving.h"
#include "interp/local_tab.h"
#include "core/logo_exception.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// Counts destructions, to see replaced entries go.
class CountedDesc : public tTabDesc {
 public:
  CountedDesc(NameCode name, int* destroyed, bool busy = false) : tTabDesc(name), destroyed_(destroyed), busy_(busy) {}
  ~CountedDesc() override { ++*destroyed_; }
  bool mayErase() const override { return !busy_; }

 private:
  int* destroyed_;
  bool busy_;
};

errorConst failureOf(auto&& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return e.code;
  }
  return erUnexpected;
}

std::vector<NameCode> order(const tLogoTab& table) {
  std::vector<NameCode> codes;
  table.forEach([&](tTabDesc& d) { codes.push_back(d.name); });
  return codes;
}

TEST(LogoTab, FindsEntriesAcrossGrowthInBothDirections) {
  tLogoTab table;
  int destroyed = 0;
  for (NameCode code : {5000u, 5001u, 4000u, 100000u, 1u, 4500u})
    table.add(std::make_unique<CountedDesc>(code, &destroyed));
  for (NameCode code : {5000u, 5001u, 4000u, 100000u, 1u, 4500u}) {
    ASSERT_NE(table.findOrNull(code), nullptr) << code;
    EXPECT_EQ(table.find(code)->name, code);
  }
  EXPECT_EQ(table.findOrNull(4999), nullptr);
  EXPECT_EQ(table.findOrNull(0), nullptr);
  EXPECT_EQ(table.findOrNull(200000), nullptr);
  EXPECT_EQ(order(table), (std::vector<NameCode>{5000, 5001, 4000, 100000, 1, 4500}));
  EXPECT_EQ(failureOf([&] { table.find(77); }), erDoNotKnowHowTo);
  EXPECT_EQ(failureOf([&] { table.add(std::make_unique<CountedDesc>(0, &destroyed)); }), erInternLogoTab);
}

TEST(LogoTab, AddingUnderAnExistingNameDestroysTheOld) {
  tLogoTab table;
  int destroyed = 0;
  table.add(std::make_unique<CountedDesc>(7, &destroyed));
  table.add(std::make_unique<CountedDesc>(8, &destroyed));
  table.add(std::make_unique<CountedDesc>(7, &destroyed));
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(order(table), (std::vector<NameCode>{8, 7}));
  EXPECT_EQ(table.indexOf(7), 1);
  table.eraseEntry(8);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(failureOf([&] { table.eraseEntry(8); }), erDoNotKnowHowTo);
}

TEST(LogoTab, RenamingKeepsTheEntrysPlaceAndReplacesTheTarget) {
  tLogoTab table;
  int destroyed = 0;
  for (NameCode code : {5, 6, 7, 3000}) table.add(std::make_unique<CountedDesc>(code, &destroyed));
  table.renameEntry(6, 9000);  // far beyond the covered range: the table grows
  EXPECT_EQ(order(table), (std::vector<NameCode>{5, 9000, 7, 3000}));
  EXPECT_EQ(table.findOrNull(6), nullptr);
  ASSERT_NE(table.findOrNull(9000), nullptr);
  EXPECT_EQ(table.findOrNull(9000)->name, 9000u);
  table.renameEntry(5, 7);  // the entry under 7 goes
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(order(table), (std::vector<NameCode>{7, 9000, 3000}));
  EXPECT_EQ(table.size(), 3u);
  EXPECT_EQ(failureOf([&] { table.renameEntry(6, 8); }), erDoNotKnowHowTo);
  EXPECT_EQ(failureOf([&] { table.renameEntry(7, 0); }), erInternLogoTab);
}

TEST(LogoTab, EraseAllKeepsBuiltInRunningAndExceptedEntries) {
  tLogoTab table;
  int destroyed = 0;
  table.add(std::make_unique<CountedDesc>(1, &destroyed))->flags = kBuiltIn;
  table.add(std::make_unique<CountedDesc>(2, &destroyed));
  table.add(std::make_unique<CountedDesc>(3, &destroyed, true));
  table.add(std::make_unique<CountedDesc>(4, &destroyed));
  table.eraseAll(4);
  EXPECT_EQ(order(table), (std::vector<NameCode>{1, 3, 4}));
  EXPECT_EQ(destroyed, 1);
}

TEST(VarTab, ValuesFailuresAndPooledCopies) {
  tLogoVarTab vars;
  Value pooled = makeInt(42);
  ASSERT_TRUE(pooled->pooled);
  vars.setValue(3, pooled);
  EXPECT_FALSE(vars.value(3)->pooled);
  EXPECT_EQ(vars.value(3)->asInteger(), 42);
  EXPECT_EQ(failureOf([&] { vars.value(4); }), erNoVal);
  vars.setValue(5, nullptr);
  EXPECT_EQ(failureOf([&] { vars.value(5); }), erNoVal);
  EXPECT_EQ(vars.valueOrNull(5), nullptr);
  tLogoObjectsTab objects;
  tLogoEventTab events;
  tLogoPagesTab pages;
  EXPECT_EQ(failureOf([&] { objects.value(1); }), erNoObject);
  EXPECT_EQ(failureOf([&] { events.value(1); }), erUnDefEvenet);
  EXPECT_EQ(failureOf([&] { pages.value(1); }), erPageNotExist);
}

TEST(VarTab, ASolePooledValueIsAdoptedAndItsPoolRefillsWhenItDies) {
  initValuePools();
  tLogoVarTab vars;
  const size_t before = valuePoolSizes().ints;
  Value sole = makeInt(7);
  const tlogoobject* instance = sole.get();
  vars.setValue(3, std::move(sole));
  EXPECT_EQ(vars.value(3).get(), instance);
  EXPECT_FALSE(instance->pooled);
  EXPECT_EQ(valuePoolSizes().ints, before - 1);
  vars.setValue(3, makeWord("x"));
  EXPECT_EQ(valuePoolSizes().ints, before);
  Value again = makeInt(8);
  EXPECT_TRUE(again->pooled);
  EXPECT_EQ(again->printText(), "8");
}

TEST(VarTab, SettingClearsOrKeepsTheNotSavedBit) {
  tLogoVarTab vars;
  vars.setValue(9, makeWord("a"), kNotSavedUntilSet);
  EXPECT_TRUE(vars.variable(9)->notSaved());
  vars.setValue(9, makeWord("b"));
  EXPECT_FALSE(vars.variable(9)->notSaved());
  EXPECT_EQ(vars.value(9)->printText(), "b");
}

class LocalFrames : public ::testing::Test {
 protected:
  void pushValues(std::initializer_list<int> values) {
    for (int v : values) stack.push(makeInt(v));
  }
  int localValue(NameCode code) { return locals.value(code)->asInteger(); }
  tLogoLocaltab locals;
  tLogoStack stack;
};

TEST_F(LocalFrames, ParametersTakeTheStackInOrderAndRestoreOuterBindings) {
  pushValues({1, 2});
  locals.pushFrame({10, 11}, stack);
  EXPECT_TRUE(stack.empty());
  EXPECT_EQ(localValue(10), 1);
  EXPECT_EQ(localValue(11), 2);
  pushValues({3});
  locals.pushFrame({10}, stack);  // an inner procedure with a parameter of the same name
  EXPECT_EQ(localValue(10), 3);
  EXPECT_EQ(localValue(11), 2);  // the caller's local is visible: dynamic scope
  locals.popFrame();
  EXPECT_EQ(localValue(10), 1);
  locals.popFrame();
  EXPECT_EQ(locals.variable(10), nullptr);
  EXPECT_EQ(locals.frameCount(), 0u);
  EXPECT_EQ(locals.depth(), 0u);
}

TEST_F(LocalFrames, LocalsNeedAFrameAndUnbindInAnyOrder) {
  EXPECT_EQ(failureOf([&] { locals.bindLocal(1, makeInt(1)); }), erWrongPlace);
  locals.pushFrame({}, stack);
  locals.bindLocal(1, makeInt(1));
  locals.bindLocal(2, makeInt(2));
  locals.bindLocal(1, makeInt(3));
  EXPECT_EQ(localValue(1), 3);
  locals.unbindLocal(2);  // not the newest binding: cleared in place
  EXPECT_EQ(locals.variable(2), nullptr);
  locals.unbindLocal(1);  // the newest: the frame shrinks
  EXPECT_EQ(localValue(1), 1);
  locals.bindOrSetLocal(1, makeInt(5));
  EXPECT_EQ(localValue(1), 5);
  locals.popFrame();
  EXPECT_EQ(locals.variable(1), nullptr);
  EXPECT_EQ(locals.depth(), 0u);
}

TEST_F(LocalFrames, TailCallsRebindWithoutGrowing) {
  pushValues({0});
  locals.pushFrame({20}, stack);
  const size_t depth = locals.depth();
  for (int i = 1; i <= 1000; ++i) {
    pushValues({i});
    locals.rebindForTailCall({20}, stack);
  }
  EXPECT_EQ(locals.depth(), depth);
  EXPECT_EQ(localValue(20), 1000);
  locals.popFrame();
  EXPECT_EQ(locals.variable(20), nullptr);
}

TEST_F(LocalFrames, AnErasedLocalComesBackWhenTheFrameCloses) {
  pushValues({1});
  locals.pushFrame({30}, stack);
  pushValues({2});
  locals.pushFrame({30}, stack);
  locals.eraseEntry(30);
  locals.popFrame();
  EXPECT_EQ(localValue(30), 1);
  locals.popFrame();
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

TEST(EntrySaving, VariablesSaveAsMakeLinesThatReadBack) {
  tLogoVarTab vars;
  vars.setValue(codeOf("size"), makeInt(40));
  vars.setValue(codeOf("greeting"), makeWord("hello world"));
  vars.setValue(codeOf("empty"), nullptr);
  vars.setValue(codeOf("@hidden"), makeInt(1));
  vars.setValue(codeOf("fresh"), makeInt(1), kNotSavedUntilSet);
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("size")), SaveKind::Make), "make \"size 40");
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("greeting")), SaveKind::Let), "let \"greeting \"|hello world|");
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("empty")), SaveKind::Make), "make \"empty novalue");
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("@hidden")), SaveKind::Make), "");
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("fresh")), SaveKind::Make), "");
  vars.setValue(codeOf("shape"), Value(readList("[1 [2 3]]")->element()));
  EXPECT_EQ(variableSaveLine(*vars.variable(codeOf("shape")), SaveKind::Declaration, "own "), "own shape [1 [2 3]]");
}

}  // namespace
}  // namespace lx
