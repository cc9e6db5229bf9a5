// Labels: text drawn at the turtle in its font and pen colour, turned
// clockwise with its heading, laid out by pango. Lines are separated by
// carriage returns (a line feed after one is skipped).
#pragma once

#include <string>

#include "graphics/surface_geometry.h"
#include "graphics/turtle_font.h"
#include "platform/pixel_buffer.h"

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace lx {

// A pango layout on `cr` in the font (face, size, weight, slant, underline,
// strike-out), with no text yet; the caller unrefs it. Labels and the
// controls' texts both start from it.
PangoLayout* fontLayout(cairo_t* cr, const TurtleFont& font);

struct LabelExtent {
  int width = 0;       // of the widest line
  int height = 0;      // of all lines
  int ascent = 0;      // from the top of the first line to its baseline
  int descent = 0;     // below the baseline of the last line
  PointF lastLineEnd;  // the end of the last line's baseline, unturned, from the label's anchor
};

// Measures `text` (internal text) in `font` as `drawLabel` lays it out.
LabelExtent measureLabel(const std::string& text, const TurtleFont& font);
// Draws the label with its anchor (upper-left, or the first baseline for
// fonts with the baseline flag) at `at`, turned by `heading` degrees
// (rounded to tenths); answers the rectangle it may have changed.
PixelRect drawLabel(cairo_t* cr, const std::string& text, const TurtleFont& font, Rgb colour, PointF at,
                    long double heading);
// The rectangle `drawLabel` would change, without drawing.
PixelRect labelBox(const std::string& text, const TurtleFont& font, PointF at, long double heading);
// Where the end of the last line lies, turned like the label.
PointF labelEnd(const std::string& text, const TurtleFont& font, PointF at, long double heading);

}  // namespace lx
