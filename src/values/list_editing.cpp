// Changed copies of lists.
#include "values/list_editing.h"

#include <vector>

#include "core/logo_exception.h"
#include "values/item_index.h"
#include "values/list_builder.h"
#include "values/random.h"

namespace lx {
namespace {

// The cell of 1-based `index`; the caller has checked the range.
const tLogoList* cellAt(const tLogoList& list, int32_t index) {
  const tLogoList* cell = &list;
  for (int32_t k = 1; k < index; ++k) cell = cell->rest().get();
  return cell;
}

// The cell `count` cells after `cell` (none past the end).
const tLogoList* skipCells(const tLogoList* cell, int32_t count) {
  for (int32_t k = 0; k < count && cell; ++k) cell = cell->rest().get();
  return cell;
}

Ref<tLogoList> tailFrom(const tLogoList* cell) { return cell ? selfRef(*cell) : nullptr; }

// Checks the index of butitem, replace and deepreplace as item does.
bool spanInRange(const tLogoList& list, int32_t index, const Value& indexValue) {
  return indexInRange(index, list.count(), strictLists(), erEmptyList, selfRef(list), indexValue);
}

// A copy of `list` with item `index` (in range) replaced by `element`,
// sharing the cells after it.
Ref<tLogoList> withItem(const tLogoList& list, int32_t index, Value element) {
  const tLogoList* at = cellAt(list, index);
  ListBuilder builder;
  builder.addRange(list, at);
  builder.add(std::move(element));
  return builder.finish(at->rest());
}

}  // namespace

Value listFput(const tLogoList& list, const Value& x) { return tLogoList::cons(x, selfRef(list)); }

Value listLput(const tLogoList& list, const Value& x) {
  ListBuilder builder;
  builder.addAll(list);
  builder.add(x);
  return builder.finish();
}

Value listButitem(const tLogoList& list, const Value& span) {
  const ItemSpan s = readItemSpan(span);
  if (!spanInRange(list, s.index, span)) return tLogoList::empty();
  const tLogoList* at = cellAt(list, s.index);
  ListBuilder builder;
  builder.addRange(list, at);
  return builder.finish(tailFrom(skipCells(at, s.count)));
}

Value listReplace(const tLogoList& list, const Value& span, const Value& value) {
  const ItemSpan s = readItemSpan(span);
  if (!spanInRange(list, s.index, span)) return tLogoList::empty();
  const tLogoList* at = cellAt(list, s.index);
  ListBuilder builder;
  builder.addRange(list, at);
  const tLogoList* replacement = asList(*value);
  if (s.spanForm && replacement)
    builder.addAll(*replacement);
  else
    builder.add(value);
  return builder.finish(tailFrom(skipCells(at, s.count)));
}

// Walks down the path, remembering each level and position, then builds
// the changed copies from the innermost level outwards.
Value listDeepreplace(const tLogoList& list, const Value& path, const Value& value) {
  if (!path->isList() && !path->isNumber()) throw eLogoException(erExpectList, path);
  const Ref<tLogoList> steps = path->isList() ? selfRef(*asList(*path)) : tLogoList::cons(path, nullptr);
  struct Level {
    const tLogoList* list;
    int32_t index;
  };
  std::vector<Level> levels;
  const tLogoList* current = &list;
  for (const Value& step : *steps) {
    if (!step->isNumber() || !current) throw eLogoException(erBadStructure, path);
    const int32_t index = step->asInteger();
    if (!spanInRange(*current, index, step)) return tLogoList::empty();
    levels.push_back({current, index});
    current = asList(*cellAt(*current, index)->element());
  }
  Value changed = value;
  for (auto level = levels.rbegin(); level != levels.rend(); ++level)
    changed = withItem(*level->list, level->index, std::move(changed));
  return changed;
}

Value listReverse(const tLogoList& list) {
  if (list.isEmpty()) return selfRef(list);
  Ref<tLogoList> reversed;
  for (const Value& element : list) reversed = tLogoList::cons(element, std::move(reversed));
  return reversed;
}

// Each element in turn goes to a random one of the places among those
// placed before it (an inside-out shuffle: every order is equally likely).
Value listShuffle(const tLogoList& list) {
  std::vector<Value> shuffled;
  for (const Value& element : list) {
    const auto j = static_cast<size_t>(randomBelow(static_cast<int64_t>(shuffled.size() + 1)));
    shuffled.push_back(element);
    std::swap(shuffled[j], shuffled.back());
  }
  ListBuilder builder;
  for (Value& element : shuffled) builder.add(std::move(element));
  return builder.finish();
}

}  // namespace lx
