// Item numbers and the strict option.
#include "values/item_index.h"

#include <algorithm>
#include <limits>

#include "core/global_options.h"
#include "core/logo_exception.h"
#include "values/list.h"

namespace lx {

bool strictLists() { return globalOptions().strict != 0; }

bool strictWords() { return globalOptions().strict == 2; }

ItemSpan readItemSpan(const Value& input) {
  const tLogoList* list = asList(*input);
  if (!list) return {input->asInteger(), 1};
  auto it = list->begin();
  if (it == list->end()) throw eLogoException(erExpectList2, input);
  const Value& first = *it++;
  if (it == list->end()) throw eLogoException(erExpectList2, input);
  const Value& second = *it++;
  if (it != list->end()) throw eLogoException(erExpectList2, input);
  return {first->asInteger(), second->asInteger(), true};
}

bool indexInRange(int32_t index, size_t length, bool strict, errorConst emptyError, const Value& container,
                  const Value& indexValue) {
  if (index >= 1 && static_cast<size_t>(index) <= length) return true;
  if (!strict) return false;
  if (length == 0) throw eLogoException(emptyError, container);
  const auto top = static_cast<int32_t>(std::min<size_t>(length, std::numeric_limits<int32_t>::max()));
  throw eLogoException(erMinMax, 1, top, indexValue);
}

}  // namespace lx
