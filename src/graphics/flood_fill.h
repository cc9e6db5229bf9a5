// Flood fill of a bitmap: the area connected to a seed pixel (through its
// four neighbours) is found first, then painted with a brush, so that a
// brush of the area's own colour or a hatch that leaves gaps cannot make
// the fill run forever or leak.
#pragma once

#include "graphics/pen_pattern.h"
#include "platform/pixel_buffer.h"

namespace lx {

// Paints the pixels connected to (x, y) that have the seed pixel's colour.
// Only pixels inside `clip` (and the buffer) take part; a seed outside
// paints nothing. Answers the rectangle of the area (empty when none).
// The caller holds the buffer's drawing lock; the buffer must be flushed
// before and marked dirty after, as direct pixel access requires.
PixelRect floodFillSameColour(PixelBuffer& buffer, int x, int y, const Brush& brush, const PixelRect& clip);
// Paints the pixels connected to (x, y) that are not of colour `border`
// (fills outward until the border colour).
PixelRect floodFillToBorder(PixelBuffer& buffer, int x, int y, Rgb border, const Brush& brush,
                            const PixelRect& clip);

}  // namespace lx
