// The value stack.
#include "interp/logo_stack.h"

#include "core/logo_exception.h"
#include "values/list_builder.h"

namespace lx {

void tLogoStack::fault(errorConst code) { throw eLogoException(code); }

const Value& tLogoStack::top() const {
  if (entries_.empty()) fault(erStackTop);
  return entries_.back();
}

void tLogoStack::pop() {
  if (entries_.empty()) fault(erStackDeletetop);
  entries_.pop_back();
}

void tLogoStack::popInto(Value& slot) {
  if (entries_.empty()) fault(erStackPop);
  slot = std::move(entries_.back());
  entries_.pop_back();
}

std::vector<Value> tLogoStack::takeInputs(int count) {
  std::vector<Value> inputs(count > 0 ? static_cast<size_t>(count) : 0);
  for (size_t i = inputs.size(); i-- > 0;) inputs[i] = take();
  return inputs;
}

void tLogoStack::failPopNone() {
  if (entries_.empty()) fault(erStackPopnil);
  Value value = std::move(entries_.back());
  entries_.pop_back();
  throw eLogoException(erWhatToDo, std::move(value));
}

void tLogoStack::removeAt(size_t k) {
  if (k >= entries_.size()) fault(erStackShift);
  entries_.erase(entries_.end() - 1 - static_cast<std::ptrdiff_t>(k));
}

void tLogoStack::removeUnderTop() {
  if (entries_.size() < 2) fault(erStackShiftTop);
  entries_.erase(entries_.end() - 2);
}

void tLogoStack::dropTo(size_t height) {
  if (entries_.size() > height) entries_.resize(height);
}

void tLogoStack::drop(size_t n) { entries_.resize(n >= entries_.size() ? 0 : entries_.size() - n); }

void tLogoStack::copyFrom(const tLogoStack& other, size_t n) {
  const size_t from = n >= other.entries_.size() ? 0 : other.entries_.size() - n;
  entries_.insert(entries_.end(), other.entries_.begin() + static_cast<std::ptrdiff_t>(from), other.entries_.end());
}

Ref<tLogoList> fromStack(tLogoStack& stack, size_t n) {
  ListBuilder builder;
  for (size_t k = n; k-- > 0;) builder.add(stack.peek(k));
  stack.drop(n);
  return builder.finish();
}

Ref<tLogoList> spliced(tLogoStack& stack, size_t n) {
  ListBuilder builder;
  for (size_t k = n; k-- > 0;) builder.addSpliced(stack.peek(k));
  stack.drop(n);
  return builder.finish();
}

}  // namespace lx
