// Compiling, placing and rendering a drawing list under its lock.
#include "graphics/drawing_list.h"

#include "graphics/drawing_compiler.h"
#include "graphics/drawing_renderer.h"
#include "core/logo_exception.h"
#include "values/list.h"

namespace lx {

void tDrawingList::compile(const Value& list, const DrawAttributes& start) {
  const tLogoList* source = asList(*list);
  if (!source) throw eLogoException(erExpectList, list);
  std::vector<DrawItem> items = compileDrawing(*source, start);
  std::lock_guard<std::mutex> held(lock_);
  items_.swap(items);
  start_ = start;
  placed_ = {};
  placedStale_ = true;
  source_ = list;
}

void tDrawingList::transform(const DrawTransform& how) {
  // Compiling happens on Logo threads only, as this does, so the items
  // can be read here without the lock.
  TransformedDrawing placed = transformDrawing(items_, start_, how);
  std::lock_guard<std::mutex> held(lock_);
  placed_ = std::move(placed);
  placedStale_ = false;
}

TransformedDrawing tDrawingList::placedCopy(const DrawTransform& how) const {
  std::lock_guard<std::mutex> held(lock_);
  return transformDrawing(items_, start_, how);
}

PixelRect tDrawingList::render(cairo_t* canvas, const PixelRect& clip) const {
  std::lock_guard<std::mutex> held(lock_);
  if (placedStale_) return {};
  return renderDrawing(canvas, placed_, start_, clip);
}

void tDrawingList::clear() {
  std::vector<DrawItem> items;
  {
    std::lock_guard<std::mutex> held(lock_);
    items.swap(items_);
    placed_ = {};
    placedStale_ = true;
  }
  source_ = nullptr;
}

size_t tDrawingList::itemCount() const {
  std::lock_guard<std::mutex> held(lock_);
  return items_.size();
}

DrawItem tDrawingList::item(size_t index) const {
  std::lock_guard<std::mutex> held(lock_);
  if (items_.empty()) throw eLogoException(erInternDrawingIndex);
  return index < items_.size() ? items_[index] : items_.front();
}

PixelRect tDrawingList::bounds() const {
  std::lock_guard<std::mutex> held(lock_);
  return placed_.bounds;
}

PixelPoint tDrawingList::hotSpot() const {
  std::lock_guard<std::mutex> held(lock_);
  return placed_.hotSpot;
}

}  // namespace lx
