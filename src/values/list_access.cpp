// Reading elements of lists.
#include "values/list_access.h"

#include "core/logo_exception.h"
#include "values/item_index.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/word_operations.h"

namespace lx {
namespace {

// What an operation on the empty list answers: an empty list, or error 4
// under the strict option.
Value emptyListAnswer(const tLogoList& list) {
  if (strictLists()) throw eLogoException(erEmptyList, selfRef(list));
  return tLogoList::empty();
}

// The element at 1-based `index`, or none when it lies beyond the end.
const Value* elementAt(const tLogoList& list, int32_t index) {
  int32_t position = 1;
  for (const Value& element : list)
    if (position++ == index) return &element;
  return nullptr;
}

// One step of an item path: the index-th element, with the strict rules.
Value itemStep(const tLogoList& list, int32_t index, const Value& indexValue) {
  if (!list.isEmpty() && index >= 1)
    if (const Value* element = elementAt(list, index)) return *element;
  indexInRange(index, list.count(), strictLists(), erEmptyList, selfRef(list), indexValue);
  return tLogoList::empty();
}

}  // namespace

Value listFirst(const tLogoList& list) {
  if (list.isEmpty()) return emptyListAnswer(list);
  return list.element();
}

Value listButfirst(const tLogoList& list) {
  if (list.isEmpty()) return emptyListAnswer(list);
  if (!list.rest()) return tLogoList::empty();
  return list.rest();
}

Value listLast(const tLogoList& list) {
  if (list.isEmpty()) return emptyListAnswer(list);
  const tLogoList* cell = &list;
  while (cell->rest()) cell = cell->rest().get();
  return cell->element();
}

Value listButlast(const tLogoList& list) {
  if (list.isEmpty()) return emptyListAnswer(list);
  const tLogoList* last = &list;
  while (last->rest()) last = last->rest().get();
  ListBuilder builder;
  builder.addRange(list, last);
  return builder.finish();
}

Value listCount(const tLogoList& list) { return makeNumber(static_cast<int64_t>(list.count())); }

Value listItem(const tLogoList& list, const Value& index) {
  const tLogoList* path = asList(*index);
  if (!path) return itemStep(list, index->asInteger(), index);
  Value current = selfRef(list);
  for (const Value& step : *path) current = itemOf(current, step);
  return current;
}

Value itemOf(const Value& container, const Value& index) {
  if (const tLogoList* list = asList(*container)) return itemStep(*list, index->asInteger(), index);
  if (container->isWord()) return wordItem(*container, index);
  throw eLogoException(erExpectList, container);
}

Value listDeepitem(const tLogoList& list, const Value& path) {
  if (!path->isList() && !path->isNumber()) throw eLogoException(erExpectList, path);
  if (!path->isList()) return itemStep(list, path->asInteger(), path);
  Value current = selfRef(list);
  for (const Value& step : *asList(*path)) {
    if (!step->isNumber()) throw eLogoException(erBadStructure, path);
    const tLogoList* level = asList(*current);
    if (!level) throw eLogoException(erBadStructure, path);
    current = itemStep(*level, step->asInteger(), step);
  }
  return current;
}

Value listPick(const tLogoList& list) {
  if (list.isEmpty()) return emptyListAnswer(list);
  const int64_t chosen = randomBelow(static_cast<int64_t>(list.count()));
  return *elementAt(list, static_cast<int32_t>(chosen + 1));
}

}  // namespace lx
