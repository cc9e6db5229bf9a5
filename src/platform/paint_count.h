// How much painting the windows have done: the paints counted and the
// rectangle they covered, since the start or since the count was cleared.
// A project reads them to see what its drawing costs.
#pragma once

#include <cstdint>

#include "platform/pixel_rect.h"

namespace lx {

struct PaintCount {
  uint64_t paints = 0;  // paints of a window's changed area
  PixelRect covered;    // the smallest rectangle holding every painted area
};

// Counts one paint of `dirty` (window pixels). Any thread.
void countPaint(const PixelRect& dirty);
PaintCount paintCount();
void clearPaintCount();

}  // namespace lx
