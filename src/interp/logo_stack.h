// tLogoStack: the value stack through which every call passes its inputs and
// its result. Each Logo process has one; a call finds its inputs on it, first
// input deepest, and leaves exactly one entry: its output, or none (a null
// entry). Misuse is a fault of a primitive and raises the stack's internal
// error codes.
#pragma once

#include <cstddef>
#include <vector>

#include "core/error_codes.h"
#include "core/value.h"
#include "values/list.h"

namespace lx {

class tLogoStack {
 public:
  size_t count() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  void push(Value value) { entries_.push_back(std::move(value)); }
  void pushNone() { entries_.emplace_back(); }

  // The top entry (error 145 when empty).
  const Value& top() const;
  // Removes and releases the top entry (error 150 when empty).
  void pop();
  // Moves the top entry into `slot`, releasing what the slot held (error 147).
  void popInto(Value& slot);
  // Removes the top entry and hands its reference to the caller (error 148).
  // Inline, as are popNone and peek: every call moves its inputs through here.
  Value take() {
    if (entries_.empty()) [[unlikely]] fault(erStackPop1);
    Value value = std::move(entries_.back());
    entries_.pop_back();
    return value;
  }
  // Removes the top `count` entries and hands them over, the deepest first:
  // the inputs of a call in the order they were given.
  std::vector<Value> takeInputs(int count);
  // The top entry must be none: error 146 when the stack is empty, error 2
  // (nothing says what to do with the value) when it holds a value.
  void popNone() {
    if (entries_.empty() || entries_.back()) [[unlikely]] failPopNone();
    entries_.pop_back();
  }
  // The k-th entry from the top, 0 being the top (error 151). Inline: every
  // operator reads its inputs here.
  const Value& peek(size_t k) const {
    if (k >= entries_.size()) [[unlikely]] fault(erStackLookstack);
    return entries_[entries_.size() - 1 - k];
  }
  // Replaces the top two entries by one: a binary operator's inputs by its
  // result (error 144 when fewer are there).
  void replaceTopTwo(Value value) {
    if (entries_.size() < 2) [[unlikely]] fault(erStackShift);
    entries_.pop_back();
    entries_.back() = std::move(value);
  }
  // Removes the k-th entry from the top, shifting those above it down (error 144).
  void removeAt(size_t k);
  // Removes the entry under the top (error 143).
  void removeUnderTop();
  // Pops until `height` entries remain.
  void dropTo(size_t height);
  // Pops up to n entries.
  void drop(size_t n);
  void clearAll() { entries_.clear(); }
  // Pushes the top n entries of `other`, in their order.
  void copyFrom(const tLogoStack& other, size_t n);

 private:
  [[noreturn]] static void fault(errorConst code);
  [[noreturn]] void failPopNone();

  std::vector<Value> entries_;
};

// A list of the top n values of `stack`, popped; the value pushed first
// becomes the first element. n = 0 gives the empty list.
Ref<tLogoList> fromStack(tLogoStack& stack, size_t n);
// Pops n values and makes one list of them by the sentence rule: a list
// contributes its elements, any other value itself, in push order.
Ref<tLogoList> spliced(tLogoStack& stack, size_t n);

}  // namespace lx
