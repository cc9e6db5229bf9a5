// tDrawingList: a drawing list compiled once, placed (turned, scaled and
// moved) as often as its turtle moves, and rendered on a canvas. Turtle
// commands draw one into the page's drawing; a turtle's shape may be one.
//
// Threads and locks. Compiling and placing run on a Logo process's thread
// (holding the interpreter lock); rendering may run on the user-interface
// thread while it paints. The lock guards the items and the placed items:
// both are computed without it and swapped in under it, and rendering holds
// it while it reads. Only Logo threads touch the source list.
#pragma once

#include <mutex>
#include <vector>

#include "graphics/drawing_transform.h"
#include "core/value.h"

typedef struct _cairo cairo_t;

namespace lx {

class tDrawingList {
 public:
  // Compiles `list` with the pen, brush and font it starts with; on an error
  // (which passes on) the drawing stays as it was. Error 6 for a non-list.
  void compile(const Value& list, const DrawAttributes& start);
  // Places the compiled items; until then (and after each compile) the
  // drawing renders nothing.
  void transform(const DrawTransform& how);
  // The items placed as `how` says, leaving the drawing's own placing alone.
  TransformedDrawing placedCopy(const DrawTransform& how) const;
  // Draws the placed items on `canvas` within `clip`; answers the
  // rectangle it may have changed.
  PixelRect render(cairo_t* canvas, const PixelRect& clip) const;
  // Frees the items and lets go of the source list.
  void clear();

  size_t itemCount() const;
  // Item `index` (from 0); beyond the end the first; error 69 when empty.
  DrawItem item(size_t index) const;
  const Value& source() const { return source_; }
  const DrawAttributes& start() const { return start_; }
  // Of the last placing: the pixels covered and the position within them.
  PixelRect bounds() const;
  PixelPoint hotSpot() const;

 private:
  mutable std::mutex lock_;
  std::vector<DrawItem> items_;  // in the list's own frame
  DrawAttributes start_;
  TransformedDrawing placed_;
  bool placedStale_ = true;  // placed_ is not of the current items
  Value source_;             // Logo threads only
};

}  // namespace lx
