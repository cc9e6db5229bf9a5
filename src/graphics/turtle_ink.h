// What a turtle's pen leaves in a surface's drawing: the segments of a path
// drawn with the pen in one of its modes — copied, XORed (so that drawing
// a line twice restores the drawing) or in the background colour.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/pen_pattern.h"
#include "graphics/turtle_range.h"
#include "platform/pixel_buffer.h"

typedef struct _cairo cairo_t;

namespace lx {

// The widest pen a turtle or a drawing list may draw with, in pixels.
inline constexpr int kWidestPen = 10000;

// What the pen does to the drawing as the turtle moves.
enum class PenMode : uint8_t { Up = 0, Down = 1, Reverse = 2, Erase = 3 };

// Draws the segments into `bitmap` (the caller holds the surface's drawing
// lock) and answers the rectangle of pixels that may have changed. Thin
// solid pens are drawn pixel by pixel; wide and dashed ones with cairo,
// without anti-aliasing. In reverse mode the last pixel of each segment is
// left out, so that joined segments do not XOR their shared pixel twice.
PixelRect drawSegments(PixelBuffer& bitmap, const std::vector<PathSegment>& segments, const Pen& pen,
                       PenMode mode, Rgb background);

// A round dot of `diameter` pixels centred on `centre` (one pixel for 1),
// in `colour`; answers the changed rectangle.
PixelRect drawDot(PixelBuffer& bitmap, PixelPoint centre, int diameter, Rgb colour);
// The same dot drawn with cairo on any canvas (not anti-aliased there).
PixelRect paintDot(cairo_t* cr, PixelPoint centre, int diameter, Rgb colour);

}  // namespace lx
