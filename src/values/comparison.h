// Order of words: two numbers compare numerically, anything else by the
// words' texts with the language's name comparison. A list as either input
// is error 8.
#pragma once

#include "core/value.h"

namespace lx {

// Negative, zero or positive.
int compareWords(const tlogoobject& a, const tlogoobject& b);

bool lessP(const tlogoobject& a, const tlogoobject& b);
bool greaterP(const tlogoobject& a, const tlogoobject& b);
bool lessOrEqualP(const tlogoobject& a, const tlogoobject& b);
bool greaterOrEqualP(const tlogoobject& a, const tlogoobject& b);

}  // namespace lx
