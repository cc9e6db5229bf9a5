// Drawing a placed drawing list on a cairo canvas, item by item, clipped to
// a rectangle. The canvas keeps its state: the pen, brush and clip the
// drawing uses are its own.
#pragma once

#include "graphics/drawing_transform.h"

typedef struct _cairo cairo_t;

namespace lx {

// Draws the items starting with `start`'s pen, brush and font, without
// anti-aliasing, within `clip`; answers the rectangle it may have changed
// (within `clip`).
PixelRect renderDrawing(cairo_t* cr, const TransformedDrawing& drawing, const DrawAttributes& start,
                        const PixelRect& clip);

}  // namespace lx
