// Building lists front to back.
#include "values/list_builder.h"

#include <cassert>

namespace lx {

void ListBuilder::add(Value element) {
  assert(element);
  Ref<tLogoList> cell = tLogoList::cons(std::move(element), nullptr);
  tLogoList* raw = cell.get();
  if (last_)
    last_->rest_ = std::move(cell);
  else
    head_ = std::move(cell);
  last_ = raw;
}

void ListBuilder::addAll(const tLogoList& list) {
  for (const Value& element : list) add(element);
}

void ListBuilder::addRange(const tLogoList& list, const tLogoList* stop) {
  for (auto it = list.begin(); it != list.end() && it.cell() != stop; ++it) add(*it);
}

Ref<tLogoList> ListBuilder::finish(Ref<tLogoList> tail) {
  if (tail && tail->isEmpty()) tail = nullptr;
  if (!head_) return tail ? tail : tLogoList::empty();
  last_->rest_ = std::move(tail);
  last_ = nullptr;
  return std::move(head_);
}

void ListBuilder::addSpliced(const Value& value) {
  if (const tLogoList* list = asList(*value))
    addAll(*list);
  else
    add(value);
}

Ref<tLogoList> fromStack(std::vector<Value>& stack, size_t n) {
  assert(n <= stack.size());
  ListBuilder builder;
  for (size_t k = stack.size() - n; k < stack.size(); ++k) builder.add(std::move(stack[k]));
  stack.resize(stack.size() - n);
  return builder.finish();
}

}  // namespace lx
