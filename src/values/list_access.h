// Reading lists: the elements at the ends, by position and at a path of
// positions, the rest after the first, the count, and a random element.
// With the strict option at 0 an empty list answers an empty list where an
// operation would otherwise fail; otherwise it is error 4.
#pragma once

#include "values/list.h"

namespace lx {

Value listFirst(const tLogoList& list);
// The shared rest; a one-element list gives a new empty list.
Value listButfirst(const tLogoList& list);
Value listLast(const tLogoList& list);
// A new list of all elements but the last.
Value listButlast(const tLogoList& list);
Value listCount(const tLogoList& list);

// The n-th element (1-based). A list of numbers as `index` takes one item
// after another, each from what the previous one gave.
Value listItem(const tLogoList& list, const Value& index);
// The element at a path of positions into nested lists; a number is a path
// of one. A path that is neither is error 6, a non-number in it error 10.
Value listDeepitem(const tLogoList& list, const Value& path);
// A uniformly random element.
Value listPick(const tLogoList& list);

// `item` of any value: lists by element, words by character; anything else
// is error 6.
Value itemOf(const Value& container, const Value& index);

}  // namespace lx
