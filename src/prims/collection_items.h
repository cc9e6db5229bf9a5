// The items that `map` and `foreach` walk: the elements of a list, the
// characters of a word, and the items of other values that lend them (the
// frames of an image, each as an image of its own).
#pragma once

#include <vector>

#include "core/value.h"

namespace lx {

// The items of a value that is neither list nor word; nothing when the
// value has none. Set by the classes of such values (images).
using ValueItems = bool (*)(const Value& value, std::vector<Value>& items);
void setValueItems(ValueItems items);

// The items of a data input: error 6 for a value without items.
std::vector<Value> collectionItems(const Value& data);

}  // namespace lx
