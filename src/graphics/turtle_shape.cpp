// Drawing the default turtle.
#include "graphics/turtle_shape.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lx {
namespace {

constexpr Rgb kBody = 0x2E8B57;
constexpr Rgb kOutline = 0x143C26;

// The arrow pointing up, in units of the turtle's square around its centre.
constexpr double kArrow[][2] = {{0, -12}, {9, 10}, {0, 5}, {-9, 10}};

void setColour(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

int scaledSide(long double scale) {
  const long double side = std::fabs(scale) * kTurtleSide;
  return std::clamp(static_cast<int>(std::lround(static_cast<double>(side))), 1, 4096);
}

void arrowPath(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading) {
  cairo_translate(cr, rect.x + rect.width / 2.0, rect.y + rect.height / 2.0);
  cairo_scale(cr, rect.width / static_cast<double>(kTurtleSide),
              rect.height / static_cast<double>(kTurtleSide));
  if (shape.followsHeading) cairo_rotate(cr, static_cast<double>(heading) * std::numbers::pi / 180);
  cairo_move_to(cr, kArrow[0][0], kArrow[0][1]);
  for (const auto& point : kArrow) cairo_line_to(cr, point[0], point[1]);
  cairo_close_path(cr);
}

}  // namespace

PixelRect shapeRectAt(const TurtleShape& shape, PixelPoint anchor) {
  const int width = scaledSide(shape.scaleX), height = scaledSide(shape.scaleY);
  const int hotX = width * kTurtleHotSpot / kTurtleSide, hotY = height * kTurtleHotSpot / kTurtleSide;
  return {anchor.x - hotX, anchor.y - hotY, width, height};
}

void paintShape(cairo_t* cr, const TurtleShape& shape, const PixelRect& rect, long double heading) {
  cairo_save(cr);
  // The outline's stroke would reach a pixel past the rectangle at the
  // arrow's tip, where a repaint of the rectangle would never clear it.
  cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
  cairo_clip(cr);
  if (shape.shownRange) {
    const PixelRect& clip = *shape.shownRange;
    cairo_rectangle(cr, clip.x, clip.y, clip.width, clip.height);
    cairo_clip(cr);
  }
  arrowPath(cr, shape, rect, heading);
  setColour(cr, shape.colour.value_or(kBody));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, kOutline);
  cairo_stroke(cr);
  cairo_restore(cr);
}

bool shapeCovers(const TurtleShape& shape, const PixelRect& rect, long double heading, int x, int y) {
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  arrowPath(cr, shape, {0, 0, rect.width, rect.height}, heading);
  cairo_identity_matrix(cr);
  cairo_set_line_width(cr, 2);
  const bool inside = cairo_in_fill(cr, x + 0.5, y + 0.5) || cairo_in_stroke(cr, x + 0.5, y + 0.5);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return inside;
}

}  // namespace lx
