// ListBuilder: makes a new list front to back. It owns the cells it makes
// until finish() hands out the first one; after that no cell changes.
// Also the list constructors that take values from a stack.
#pragma once

#include <vector>

#include "values/list.h"

namespace lx {


class ListBuilder {
 public:
  // Appends one element (not none).
  void add(Value element);
  // Appends every element of `list` (a spine copy).
  void addAll(const tLogoList& list);
  // By the sentence rule: a list adds its elements, any other value itself.
  void addSpliced(const Value& value);
  // Appends the elements of `list` from its first up to (not including)
  // the cell `stop`; a null stop copies to the end.
  void addRange(const tLogoList& list, const tLogoList* stop);
  bool empty() const { return !head_; }

  // The list built. A non-empty `tail` is shared as the rest after the
  // built cells; with nothing built the tail itself, or a new empty list.
  Ref<tLogoList> finish(Ref<tLogoList> tail = nullptr);

 private:
  Ref<tLogoList> head_;
  tLogoList* last_ = nullptr;  // the last cell made, owned through head_
};

// A list of the last n values of `stack`, removed; the value pushed first
// becomes the first element. n = 0 gives the empty list.
Ref<tLogoList> fromStack(std::vector<Value>& stack, size_t n);

}  // namespace lx
