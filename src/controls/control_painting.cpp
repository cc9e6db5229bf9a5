// The shapes the controls are drawn with.
#include "controls/control_painting.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace lx {

void setColour(cairo_t* canvas, Rgb colour, double alpha) {
  cairo_set_source_rgba(canvas, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                        (colour & 0xFF) / 255.0, alpha);
}

void roundedRectangle(cairo_t* canvas, double x, double y, double width, double height, double radius) {
  radius = std::max(0.0, std::min({radius, width / 2, height / 2}));
  cairo_new_sub_path(canvas);
  cairo_arc(canvas, x + width - radius, y + radius, radius, -M_PI / 2, 0);
  cairo_arc(canvas, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
  cairo_arc(canvas, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
  cairo_arc(canvas, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(canvas);
}

// The border runs along pixel centres, so a one-pixel line stays sharp.
void drawFrame(cairo_t* canvas, int width, int height, Rgb face, Rgb border, double radius) {
  roundedRectangle(canvas, 0.5, 0.5, width - 1, height - 1, radius);
  setColour(canvas, face);
  cairo_fill_preserve(canvas);
  setColour(canvas, border);
  cairo_set_line_width(canvas, 1);
  cairo_stroke(canvas);
}

void drawFocusRing(cairo_t* canvas, int width, int height) {
  roundedRectangle(canvas, -1, -1, width + 2, height + 2, look::kRadius + 1);
  setColour(canvas, look::kAccent, 0.85);
  cairo_set_line_width(canvas, 2);
  cairo_stroke(canvas);
}

}  // namespace lx
