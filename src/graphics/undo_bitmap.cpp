// The undo copy of one surface's drawing.
#include "graphics/undo_bitmap.h"

#include <utility>

#include "graphics/gr_screen.h"

namespace lx {

tUndoBitmap& undoBitmap() {
  static tUndoBitmap undo;
  return undo;
}

void tUndoBitmap::saveforundo(tgrScreen& surface) {
  auto drawing = surface.lockDrawing();
  std::lock_guard lock(mutex_);
  const PixelBuffer& bitmap = surface.bitmap();
  bitmap.flush();
  copy_ = PixelBuffer(bitmap.width(), bitmap.height());
  copy_.copyFrom(bitmap, bitmap.bounds());
  owner_ = &surface;
}

// The lock order is the surface's drawing lock, then ours; the owner is
// read under ours first, so it is read again after both are taken.
void tUndoBitmap::doUndo() {
  tgrScreen* surface = undoObject();
  if (!surface) return;
  {
    auto drawing = surface->lockDrawing();
    std::lock_guard lock(mutex_);
    if (owner_ != surface) return;
    PixelBuffer& bitmap = surface->bitmap();
    bitmap.flush();
    copy_.resize(bitmap.width(), bitmap.height(), surface->backgroundColour());
    std::swap(bitmap, copy_);
    bitmap.markDirty();
  }
  surface->invalidateAll();
}

void tUndoBitmap::clearundo() {
  std::lock_guard lock(mutex_);
  owner_ = nullptr;
  copy_ = PixelBuffer(0, 0);
}

void tUndoBitmap::forget(const tgrScreen& surface) {
  std::lock_guard lock(mutex_);
  if (owner_ != &surface) return;
  owner_ = nullptr;
  copy_ = PixelBuffer(0, 0);
}

tgrScreen* tUndoBitmap::undoObject() const {
  std::lock_guard lock(mutex_);
  return owner_;
}

}  // namespace lx
