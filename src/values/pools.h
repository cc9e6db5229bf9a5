// The factories of words, numbers and booleans, and the pools behind them.
//
// On a Logo process thread a factory takes a pre-built instance from its
// class's pool (100 each, made at start-up) and gives it the new value; when
// the pool is empty, and on any other thread, it makes a new instance. A
// disposed instance goes back to its pool while the pool holds fewer than
// 100: a pooled one from any thread, any other one from a process thread.
#pragma once

#include <string>
#include <string_view>

#include "values/boolean.h"
#include "values/number.h"
#include "values/string_word.h"

namespace lx {

Ref<tLogoInt> makeInt(int32_t value);
Ref<tLogoReal> makeReal(long double value);
Ref<tLogoString> makeWord(std::string_view text);
Ref<tLogoBool> makeBool(bool value);
// An integer when the value fits 32 bits, else a real.
Value makeNumber(int64_t value);

// Marks the calling thread as a Logo process thread (or not); only those
// draw from the pools.
void setLogoProcessThread(bool isProcessThread);
bool isLogoProcessThread();

// Fills the four pools (start-up). Safe to call again.
void initValuePools();
// How many instances wait in each pool (for tests and benchmarks).
struct PoolSizes {
  size_t ints, reals, words, bools;
};
PoolSizes valuePoolSizes();

// Return a disposed instance to its pool, or free it.
void recycle(tLogoInt* value);
void recycle(tLogoReal* value);
void recycle(tLogoString* value);
void recycle(tLogoBool* value);

}  // namespace lx
