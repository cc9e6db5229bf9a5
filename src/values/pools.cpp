// The four value pools and the factories that draw from them.
#include "values/pools.h"

#include <cstdint>

#include "core/logo_exception.h"

namespace lx {
namespace {

constexpr size_t kValuesPerPool = 100;

thread_local bool processThread = false;

// A stack of idle pre-built instances. Only the interpreter lock's holder
// touches a pool, so it has no lock of its own. A fixed array, constant-
// initialized: taking and giving back are a few instructions, with no
// guard of a function's static to pass on every number made.
template <class T>
struct Pool {
  T* idle[kValuesPerPool] = {};
  size_t count = 0;

  ~Pool() {
    while (count > 0) delete idle[--count];
  }
  void fill() {
    while (count < kValuesPerPool) {
      T* t = new T();
      t->pooled = true;
      idle[count++] = t;
    }
  }
  T* take() {
    if (!processThread || count == 0) return nullptr;
    return idle[--count];
  }
  // Takes back a pooled instance, or on a process thread any instance of
  // the class while there is room: variables adopt pool instances (see
  // storableValue), so the pool refills from the values that die.
  void giveBack(T* t) {
    if ((t->pooled || processThread) && count < kValuesPerPool) {
      t->pooled = true;
      t->refCount = 0;
      t->reset({});
      idle[count++] = t;
    } else {
      delete t;
    }
  }
};

constinit Pool<tLogoInt> ints;
constinit Pool<tLogoReal> reals;
constinit Pool<tLogoString> words;
constinit Pool<tLogoBool> bools;

template <class T, class V>
Ref<T> make(Pool<T>& pool, V&& value) {
  if (T* t = pool.take()) {
    t->reset(std::forward<V>(value));
    return Ref<T>(t);
  }
  return Ref<T>(new T(std::forward<V>(value)));
}

}  // namespace

Ref<tLogoInt> makeInt(int32_t value) { return make(ints, value); }
Ref<tLogoReal> makeReal(long double value) { return make(reals, value); }
Ref<tLogoString> makeWord(std::string_view text) { return make(words, std::string(text)); }

namespace {

// Errors raised below the values layer (by the container readers, say)
// carry their offending text as a word made here.
[[maybe_unused]] const bool lentToErrors = [] {
  setErrorWordMaker([](std::string_view text) -> Value { return makeWord(text); });
  return true;
}();

}  // namespace
Ref<tLogoBool> makeBool(bool value) { return make(bools, value); }

Value makeNumber(int64_t value) {
  if (value >= INT32_MIN && value <= INT32_MAX) return makeInt(static_cast<int32_t>(value));
  return makeReal(static_cast<long double>(value));
}

void setLogoProcessThread(bool isProcessThread) { processThread = isProcessThread; }
bool isLogoProcessThread() { return processThread; }

void initValuePools() {
  ints.fill();
  reals.fill();
  words.fill();
  bools.fill();
}

PoolSizes valuePoolSizes() { return {ints.count, reals.count, words.count, bools.count}; }

void recycle(tLogoInt* value) { ints.giveBack(value); }
void recycle(tLogoReal* value) { reals.giveBack(value); }
void recycle(tLogoString* value) { words.giveBack(value); }
void recycle(tLogoBool* value) { bools.giveBack(value); }

}  // namespace lx
