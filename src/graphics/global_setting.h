// The global variables by which a project tunes graphics (`colourstyle`,
// `anycolour`, `anypenwidth`, `fillmode`...), found under any of their
// localized spellings, and the random ranges of the `any` word.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/value.h"

namespace lx {

// The value of the global variable that the dictionary's `name` section
// names under `key` (any of its spellings), or none when it is unset or
// there is no object world.
Value globalSetting(std::string_view key);

// A random integer for the `any` word from the range kept in the global
// variable of `key`: a number n makes |n| the upper bound, a list [a b]
// makes |a| and |b| the bounds (swapped when the upper is smaller);
// otherwise the default bounds hold.
int32_t anyInRange(std::string_view key, int32_t low, int32_t high);

}  // namespace lx
