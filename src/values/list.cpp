// List cells: making them, counting them, and freeing them without recursion.
#include "values/list.h"

#include <cassert>

#include "values/cell_pool.h"
#include "values/list_builder.h"
#include "values/printer.h"

namespace lx {
namespace {

// Cells whose last holder let go, waiting to be freed, chained through
// nextToFree_. Freeing a cell releases its element and its rest; when one of
// those is a list that dies too, it joins this chain instead of being freed
// inside the release, so a chain or nesting of any length is freed in one
// flat loop. Per thread, like the interpreter state that drops values.
thread_local tLogoList* cellsToFree = nullptr;
thread_local bool freeingCells = false;

}  // namespace

Ref<tLogoList> tLogoList::empty() { return Ref<tLogoList>(new tLogoList()); }

Ref<tLogoList> tLogoList::cons(Value element, Ref<tLogoList> rest) {
  assert(element && "only the empty list has a cell without an element");
  Ref<tLogoList> cell(new tLogoList());
  cell->element_ = std::move(element);
  if (rest && !rest->isEmpty()) cell->rest_ = std::move(rest);
  return cell;
}

size_t tLogoList::count() const {
  size_t n = 0;
  for (auto it = begin(); it != end(); ++it) ++n;
  return n;
}

void* tLogoList::operator new(size_t size) { return takeCellBlock(size); }

void tLogoList::operator delete(void* block, size_t size) { giveBackCellBlock(block, size); }

void tLogoList::dispose() {
  nextToFree_ = cellsToFree;
  cellsToFree = this;
  if (freeingCells) return;  // the loop below, further up the stack, frees it
  freeingCells = true;
  while (cellsToFree) {
    tLogoList* cell = cellsToFree;
    cellsToFree = cell->nextToFree_;
    // Taken out before the cell goes, released when this round ends.
    Value element = std::move(cell->element_);
    Ref<tLogoList> rest = std::move(cell->rest_);
    delete cell;
  }
  freeingCells = false;
}

Value tLogoList::copy() const {
  ListBuilder builder;
  builder.addAll(*this);
  return builder.finish();
}

std::string tLogoList::printText(int level) const { return listText(*this, level, TextForm::Print); }

std::string tLogoList::showText(int level) const { return listText(*this, level, TextForm::Show); }

}  // namespace lx
