// Making changed lists: every operation answers a new list and leaves its
// input as it was, sharing the unchanged tail where it can.
#pragma once

#include "values/list.h"

namespace lx {

// cons(x, list): the list itself becomes the rest.
Value listFput(const tLogoList& list, const Value& x);
// A spine copy of the list with x appended.
Value listLput(const tLogoList& list, const Value& x);

// Without the item n, or without `count` items from n ([n count]); n is
// checked as for item (an empty list when out of range and not strict).
Value listButitem(const tLogoList& list, const Value& span);
// Item n replaced by `value`; with [n count] the items n.. replaced by the
// elements of a list value (or by the value itself when it is a word).
Value listReplace(const tLogoList& list, const Value& span, const Value& value);
// The element at a path of positions into nested lists replaced by `value`.
Value listDeepreplace(const tLogoList& list, const Value& path, const Value& value);

// The elements in reverse order; the empty list answers itself.
Value listReverse(const tLogoList& list);
// The elements in a random order, every order equally likely.
Value listShuffle(const tLogoList& list);

}  // namespace lx
