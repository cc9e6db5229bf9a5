// Item numbers of lists and words: reading the index input of `item`,
// `butitem` and `replace`, and checking it under the strict option.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/error_codes.h"
#include "core/value.h"

namespace lx {

// True when list operations raise error 4 on an empty list and error 26 on
// an index out of range, rather than answering an empty list.
bool strictLists();
// True when first, butfirst, last and butlast of the empty word raise error 5.
bool strictWords();

// An index n, or the [n count] form: `count` items from item n.
struct ItemSpan {
  int32_t index = 0;
  int32_t count = 1;
  bool spanForm = false;  // given as [n count]
};
// A number gives [n 1]; a list must hold two numbers (error 13 otherwise).
ItemSpan readItemSpan(const Value& input);

// True when `index` lies in 1..length. Otherwise, when `strict`, raises
// `emptyError` with the container when it is empty and error 26 (1, length,
// index) when it is not; when not strict answers false.
bool indexInRange(int32_t index, size_t length, bool strict, errorConst emptyError, const Value& container,
                  const Value& indexValue);

}  // namespace lx
