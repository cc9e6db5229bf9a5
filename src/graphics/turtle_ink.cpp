// Drawing a turtle's path into the background bitmap.
#include "graphics/turtle_ink.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/clipping.h"

namespace lx {
namespace {

SurfaceRange grownBounds(const PixelBuffer& bitmap, int margin) {
  return {static_cast<long double>(-margin), static_cast<long double>(bitmap.width() - 1 + margin),
          static_cast<long double>(-margin), static_cast<long double>(bitmap.height() - 1 + margin)};
}

void paintPixel(PixelBuffer& bitmap, int x, int y, Rgb colour, bool exclusiveOr) {
  if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height()) return;
  uint32_t& pixel = bitmap.row(y)[x];
  pixel = exclusiveOr ? (pixel ^ colour) & 0xFFFFFF : colour;
}

// Bresenham's line between pixel centres, both ends included unless
// `skipLast`.
void thinLine(PixelBuffer& bitmap, PixelPoint a, PixelPoint b, Rgb colour, bool exclusiveOr, bool skipLast) {
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    const bool last = a.x == b.x && a.y == b.y;
    if (last && skipLast) return;
    paintPixel(bitmap, a.x, a.y, colour, exclusiveOr);
    if (last) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      a.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      a.y += sy;
    }
  }
}

bool isThinSolid(const Pen& pen) {
  return pen.width <= 1 && (pen.style == PenStyle::InsideFrame || pen.style == PenStyle::Solid);
}

void strokeSegment(cairo_t* cr, PixelPoint a, PixelPoint b) {
  cairo_move_to(cr, a.x + 0.5, a.y + 0.5);
  cairo_line_to(cr, b.x + 0.5, b.y + 0.5);
  cairo_stroke(cr);
}

// Wide or dashed lines: stroked by cairo straight into the bitmap, or for
// XOR into a mask whose pixels are then XORed with the pen colour.
void wideLine(PixelBuffer& bitmap, PixelPoint a, PixelPoint b, const Pen& pen, bool exclusiveOr,
              const PixelRect& area) {
  if (!exclusiveOr) {
    bitmap.markDirty();
    cairo_t* cr = cairo_create(bitmap.cairoSurface());
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (applyPen(cr, pen)) strokeSegment(cr, a, b);
    cairo_destroy(cr);
    bitmap.flush();
    return;
  }
  const PixelRect box = intersect(area, bitmap.bounds());
  if (box.isEmpty()) return;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, box.width, box.height);
  cairo_t* cr = cairo_create(mask);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(cr, -box.x, -box.y);
  const bool drawn = applyPen(cr, pen);
  if (drawn) strokeSegment(cr, a, b);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  for (int y = 0; drawn && y < box.height; ++y)
    for (int x = 0; x < box.width; ++x)
      if (data[y * stride + x]) paintPixel(bitmap, box.x + x, box.y + y, pen.colour, true);
  cairo_surface_destroy(mask);
}

}  // namespace

PixelRect drawSegments(PixelBuffer& bitmap, const std::vector<PathSegment>& segments, const Pen& pen,
                       PenMode mode, Rgb background) {
  if (mode == PenMode::Up || pen.style == PenStyle::Clear) return {};
  const Rgb colour = (mode == PenMode::Erase ? background : pen.colour) & 0xFFFFFF;
  const bool exclusiveOr = mode == PenMode::Reverse;
  const int width = std::max(pen.width, 1);
  const SurfaceRange bounds = grownBounds(bitmap, width + 2);
  Pen used = pen;
  used.colour = colour;
  PixelRect changed;
  bitmap.flush();
  for (PathSegment segment : segments) {
    if (!clipSegment(segment.from, segment.to, bounds)) continue;
    const PixelPoint a = roundedPixel(segment.from), b = roundedPixel(segment.to);
    const PixelRect area = grownRect(rectBetween(a, b), width / 2 + 1);
    if (isThinSolid(used))
      thinLine(bitmap, a, b, colour, exclusiveOr, exclusiveOr);
    else
      wideLine(bitmap, a, b, used, exclusiveOr, area);
    changed = unite(changed, area);
  }
  bitmap.markDirty();
  return changed;
}

PixelRect drawDot(PixelBuffer& bitmap, PixelPoint centre, int diameter, Rgb colour) {
  diameter = std::max(diameter, 1);
  const int left = centre.x - diameter / 2, top = centre.y - diameter / 2;
  const PixelRect area{left, top, diameter, diameter};
  bitmap.flush();
  if (diameter == 1) {
    paintPixel(bitmap, centre.x, centre.y, colour & 0xFFFFFF, false);
  } else {
    bitmap.markDirty();
    cairo_t* cr = cairo_create(bitmap.cairoSurface());
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    paintDot(cr, centre, diameter, colour);
    cairo_destroy(cr);
    bitmap.flush();
  }
  bitmap.markDirty();
  return area;
}

PixelRect paintDot(cairo_t* cr, PixelPoint centre, int diameter, Rgb colour) {
  diameter = std::max(diameter, 1);
  const int left = centre.x - diameter / 2, top = centre.y - diameter / 2;
  setSourceColour(cr, colour);
  if (diameter == 1)
    cairo_rectangle(cr, centre.x, centre.y, 1, 1);
  else
    cairo_arc(cr, left + diameter / 2.0, top + diameter / 2.0, diameter / 2.0, 0, 2 * M_PI);
  cairo_fill(cr);
  return {left, top, diameter, diameter};
}

}  // namespace lx
