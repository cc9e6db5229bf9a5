// tUndoBitmap: one copy of one surface's drawing, kept for undo. Saving
// makes that surface the undo object; undoing swaps its drawing with the
// copy, so a second undo restores what the first took away.
#pragma once

#include <mutex>

#include "platform/pixel_buffer.h"

namespace lx {

class tgrScreen;

class tUndoBitmap {
 public:
  // Copies the surface's drawing; the surface becomes the undo object.
  void saveforundo(tgrScreen& surface);
  // Swaps the undo object's drawing with the copy; nothing without one.
  // A copy of another size is fitted to the surface's present size (the
  // part beyond it is dropped, new area gets the background colour).
  void doUndo();
  // Forgets the undo object.
  void clearundo();
  // A surface going away: forgets it when it is the undo object.
  void forget(const tgrScreen& surface);
  tgrScreen* undoObject() const;

 private:
  mutable std::mutex mutex_;    // taken after the surface's drawing lock
  PixelBuffer copy_{0, 0};      // guarded by mutex_
  tgrScreen* owner_ = nullptr;  // guarded by mutex_
};

// The program's one undo bitmap.
tUndoBitmap& undoBitmap();

}  // namespace lx
