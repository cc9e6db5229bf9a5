// Whether two turtles' shapes overlap: by their rectangles alone, or (the
// default) by the lens-shaped outlines that approximate each rectangle.
#pragma once

#include "platform/pixel_rect.h"

namespace lx {

enum class OverlapTest : bool { Lens, Rectangles };

bool shapesOverlap(const PixelRect& a, const PixelRect& b, OverlapTest test);

}  // namespace lx
