// Placing a compiled drawing: every point turned clockwise by a heading,
// scaled, moved to a position in pixels and rounded to whole pixels; and the
// size of the result, its bounding rectangle and its hot spot (the pixel of
// the list's start).
#pragma once

#include <vector>

#include "graphics/drawing_items.h"
#include "platform/pixel_rect.h"

namespace lx {

struct DrawTransform {
  PointF position;  // pixel where the list's start lands
  long double scaleX = 1;
  long double scaleY = 1;
  long double heading = 0;  // degrees, clockwise
};

// Items in pixels: points are whole pixels (held as reals, so far points do
// not overflow), an ellipse's half-axes are exact vectors, a label's
// heading includes the transform's.
struct TransformedDrawing {
  std::vector<DrawItem> items;
  PixelRect bounds;    // the pixels the drawing may cover, pens included
  PixelPoint hotSpot;  // the position, relative to the bounds' upper-left corner
};

TransformedDrawing transformDrawing(const std::vector<DrawItem>& items, const DrawAttributes& start,
                                    const DrawTransform& how);

}  // namespace lx
