// Global graphics settings and `any` ranges.
#include "graphics/global_setting.h"

#include <cstdlib>
#include <utility>

#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "values/list.h"
#include "values/random.h"

namespace lx {

Value globalSetting(std::string_view key) {
  tMainLogoObject* main = mainObject();
  if (!main) return nullptr;
  const std::string spellings = getStr("name", key, false);
  size_t start = 0;
  while (start < spellings.size()) {
    size_t end = spellings.find(' ', start);
    if (end == std::string::npos) end = spellings.size();
    if (end > start) {
      if (Value value = main->globals().valueOrNull(codeOf(spellings.substr(start, end - start))))
        return value;
    }
    start = end + 1;
  }
  return nullptr;
}

namespace {

int32_t absoluteOf(const Value& value) {
  return std::abs(value->asInteger());
}

}  // namespace

int32_t anyInRange(std::string_view key, int32_t low, int32_t high) {
  if (Value range = globalSetting(key)) {
    if (range->isNumber()) {
      high = absoluteOf(range);
    } else if (const tLogoList* list = asList(*range); list && list->count() == 2) {
      low = absoluteOf(list->element());
      high = absoluteOf(list->rest()->element());
    }
  }
  if (high < low) std::swap(low, high);
  return low == high ? low : static_cast<int32_t>(low + randomBelow(int64_t{high} - low + 1));
}

}  // namespace lx
