// Pictures cut from a page's drawing for `getimage` and `takepicture`. The
// global variable `imode` chooses what they take:
//   0 (and any other value) the drawing alone, as lines, fills and stamps
//     left it;
//   1 the drawing with the turtles and controls shown on it, as the page
//     shows it;
//   2 the drawing alone, with the pixels of the background colour
//     transparent, so that a figure drawn on the page can be worn as a shape
//     without the box around it;
//   3 as 1, with the background colour transparent.
#pragma once

#include "core/value.h"
#include "graphics/gr_screen.h"

namespace lx {

enum class CaptureMode : uint8_t { Drawing, Shown, DrawingMasked, ShownMasked };

// The mode `imode` holds now.
CaptureMode captureMode();

// An image of the pixels in `rect`, clipped to the drawing, with its hot
// spot at `hotSpot`; error 10 with `asked` when nothing of it lies on the
// drawing or it is too large.
Value captureImage(tgrScreen& surface, const PixelRect& rect, PixelPoint hotSpot, const Value& asked,
                   CaptureMode mode);

}  // namespace lx
