// tLogoList: the Logo list, a chain of immutable cells. A list value is the
// reference to its first cell; tails are shared between lists, so `fput` and
// `butfirst` cost one cell or none.
//
// Layer: values, above lang. Words, numbers, booleans and lists, the
// reader and the printer: plain data with no evaluator behind it.
#pragma once

#include <cstdint>
#include <iterator>
#include <memory>

#include "core/value.h"

namespace lx {

// The compiled form of a list or word, made by the evaluator on first run
// and owned by the value it was made from.
class tCompiledCode {
 public:
  virtual ~tCompiledCode() = default;
};

// One cell of a list. Invariants:
// - The empty list is a single cell with no element and no rest. A non-empty
//   list never contains such a cell: every cell has an element, and the
//   last cell has no rest.
// - A cell never changes once a builder has handed it out; only
//   ListBuilder links cells, and only cells it has just made.
// - Element and rest are counted references. Destroying a cell releases
//   them without recursion (see dispose), so lists of any length and depth
//   can die without exhausting the stack.
class tLogoList : public tlogoobject {
 public:
  // A new empty list.
  static Ref<tLogoList> empty();
  // A cell holding `element` in front of `rest`; an empty or missing rest
  // gives a one-element list.
  static Ref<tLogoList> cons(Value element, Ref<tLogoList> rest);

  // The element of this cell: none only in the empty list.
  const Value& element() const { return element_; }
  // The next cell, shared; none in the last cell.
  const Ref<tLogoList>& rest() const { return rest_; }

  // Iterating over the elements: for (const Value& v : list).
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = const Value*;
    using reference = const Value&;
    const_iterator() = default;
    explicit const_iterator(const tLogoList* cell) : cell_(cell) {}
    const Value& operator*() const { return cell_->element_; }
    const Value* operator->() const { return &cell_->element_; }
    const_iterator& operator++() {
      cell_ = cell_->rest_.get();
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const const_iterator& other) const { return cell_ == other.cell_; }
    // The cell the iterator stands on (the tail starting at this element).
    const tLogoList* cell() const { return cell_; }

   private:
    const tLogoList* cell_ = nullptr;
  };
  const_iterator begin() const { return const_iterator(isEmpty() ? nullptr : this); }
  const_iterator end() const { return const_iterator(); }

  // The number of elements (walks the chain).
  size_t count() const;

  // Cells come from the cell pool.
  static void* operator new(size_t size);
  static void operator delete(void* block, size_t size);

  void dispose() override;
  // A spine copy: new cells holding the same elements.
  Value copy() const override;
  const char* className() const override { return "tLogoList"; }

  bool isList() const override { return true; }
  bool isEmpty() const override { return !element_; }

  // Level 0 writes a list without its brackets; any other level with them.
  std::string printText(int level = -1) const override;
  std::string showText(int level = -1) const override;

  // Structural equality: element by element, nested lists alike.
  bool equals(const tlogoobject& other) const override;
  bool notEquals(const tlogoobject& other) const override { return !equals(other); }

  // The evaluator's cache of the compiled list, dropped when the cell dies.
  tCompiledCode* compiledCache() const { return compiledCache_.get(); }
  uint8_t compiledKind() const { return compiledKind_; }
  void setCompiledCache(std::unique_ptr<tCompiledCode> code, uint8_t kind) const {
    compiledCache_ = std::move(code);
    compiledKind_ = kind;
  }

 private:
  friend class ListBuilder;
  tLogoList() { valueKind = ValueKind::List; }
  ~tLogoList() override = default;

  Value element_;         // none only in the empty list
  Ref<tLogoList> rest_;   // none in the last cell
  mutable std::unique_ptr<tCompiledCode> compiledCache_;
  mutable uint8_t compiledKind_ = 0;
  tLogoList* nextToFree_ = nullptr;  // link in the chain of cells waiting to be freed
};

// The list as its class; nullptr for any other value. (Only tLogoList
// answers true to isList.)
inline const tLogoList* asList(const tlogoobject& value) {
  return value.isList() ? static_cast<const tLogoList*>(&value) : nullptr;
}

// A counted reference to a value that arrived by plain reference. Every
// value reaches an operation through some counted holder, so adding one is
// safe.
inline Ref<tLogoList> selfRef(const tLogoList& list) { return Ref<tLogoList>(const_cast<tLogoList*>(&list)); }
inline Value selfValue(const tlogoobject& value) { return Value(const_cast<tlogoobject*>(&value)); }

}  // namespace lx
