// Reference counting and the value pools: nothing leaks, nothing is freed
// twice, pooled instances come back clean.
#include <gtest/gtest.h>

#include "destruction_probe.h"

#include <thread>
#include <type_traits>

#include "values/pools.h"

namespace lx {
namespace {

// A raw pointer becomes a Ref only where the code says so: an implicit
// conversion would let a temporary Ref free a value whose count is 0 while
// its maker still holds the pointer.
static_assert(!std::is_convertible_v<tlogoobject*, Value>);
static_assert(std::is_constructible_v<Value, tlogoobject*>);
static_assert(std::is_convertible_v<std::nullptr_t, Value>);

TEST(ReferenceCounting, LastHolderFreesTheValue) {
  int destroyed = 0;
  {
    Value a(new testing::DestructionProbe(&destroyed));
    EXPECT_EQ(a->refCount, 1);
    {
      Value b = a;
      Value c;
      c = b;
      EXPECT_EQ(a->refCount, 3);
      c = a;  // reassigning the same value keeps the count
      EXPECT_EQ(a->refCount, 3);
    }
    EXPECT_EQ(a->refCount, 1);
    EXPECT_EQ(destroyed, 0);
    Value moved = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(moved->refCount, 1);
  }
  EXPECT_EQ(destroyed, 1);
  release(nullptr);
  addRef(nullptr);
}

TEST(Pools, ProcessThreadsDrawFromAndReturnToThePools) {
  initValuePools();
  const PoolSizes before = valuePoolSizes();
  {
    Value i = makeInt(5);
    EXPECT_TRUE(i->pooled);
    EXPECT_EQ(valuePoolSizes().ints, before.ints - 1);
    Value w = makeWord("hello");
    EXPECT_EQ(w->nameCode(), makeWord("hello")->nameCode());
  }
  EXPECT_EQ(valuePoolSizes().ints, before.ints);
  EXPECT_EQ(valuePoolSizes().words, before.words);
  // A recycled instance carries nothing of its earlier life.
  Value again = makeWord("x");
  EXPECT_EQ(again->printText(), "x");
  EXPECT_FALSE(again->isNumber());
  Value number = makeInt(9);
  EXPECT_EQ(number->printText(), "9");
}

TEST(Pools, OtherThreadsNeverTouchThePools) {
  initValuePools();
  const PoolSizes before = valuePoolSizes();
  bool pooled = true;
  std::thread other([&] { pooled = makeInt(3)->pooled; });
  other.join();
  EXPECT_FALSE(pooled);
  EXPECT_EQ(valuePoolSizes().ints, before.ints);
}

TEST(Pools, AbsorbTakesAPooledValueInPlace) {
  Value target = makeReal(1.5L);
  Value source = makeReal(2.5L);
  ASSERT_TRUE(source->pooled);
  EXPECT_TRUE(target->absorb(*source));
  EXPECT_EQ(target->asReal(), 2.5L);
  Value shared = makeReal(1.0L);
  Value other = shared;
  EXPECT_FALSE(shared->absorb(*source));
  EXPECT_FALSE(target->absorb(*makeInt(1)));
}

TEST(Copies, AreUnpooledAndEqual) {
  for (Value v : {Value(makeInt(4)), Value(makeReal(0.25L)), Value(makeWord("w")), Value(makeBool(true))}) {
    Value c = v->copy();
    EXPECT_FALSE(c->pooled);
    EXPECT_TRUE(c->equals(*v)) << v->printText();
    EXPECT_NE(c.get(), v.get());
  }
  EXPECT_EQ(Value(new tLogoInt(7, "007"))->copy()->printText(), "007");
}

}  // namespace
}  // namespace lx
