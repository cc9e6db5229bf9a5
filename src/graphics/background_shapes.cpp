// Drawing the bg shapes with cairo under the surface's drawing lock.
#include "graphics/background_shapes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "graphics/background_canvas.h"
#include "graphics/flood_fill.h"
#include "values/random.h"

namespace lx {
namespace {

// Pixel centres: a one-pixel line at integer coordinates covers whole pixels.
constexpr double kCentre = 0.5;

// The frame a pen strokes along for a shape whose pixels fill `rect`: a pen
// drawn inside the frame keeps all its width within the rectangle; other
// pens are centred on the outermost pixels.
void frameOf(const PixelRect& rect, const Pen& pen, double& x, double& y, double& w, double& h) {
  const double inset = pen.style == PenStyle::InsideFrame ? std::max(pen.width, 1) / 2.0 : kCentre;
  x = rect.x + inset;
  y = rect.y + inset;
  w = std::max(0.0, rect.width - 2 * inset);
  h = std::max(0.0, rect.height - 2 * inset);
}

void ellipsePath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_scale(cr, std::max(w / 2, 1e-3), std::max(h / 2, 1e-3));
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// Fills the current path with the line colour (solid), keeps the path.
void fillSolid(cairo_t* cr, const Pen& pen) {
  applyBrush(cr, {pen.colour, FillStyle::Solid});
  cairo_fill_preserve(cr);
}

void strokeWith(cairo_t* cr, const Pen& pen) {
  if (applyPen(cr, pen)) cairo_stroke(cr);
  cairo_new_path(cr);
}

PixelRect boundsOf(PointF a, PointF b) {
  return rectBetween(roundedPixel(a), roundedPixel(b));
}

}  // namespace

void drawLine(tgrScreen& surface, PointF from, PointF to) {
  const Pen pen = surface.linePen();
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    const PixelPoint a = roundedPixel(from);
    const PixelPoint b = roundedPixel(to);
    cairo_move_to(cr, a.x + kCentre, a.y + kCentre);
    cairo_line_to(cr, b.x + kCentre, b.y + kCentre);
    strokeWith(cr, pen);
  }
  surface.invalidate(boundsOf(from, to), pen.width);
}

void drawPolyline(tgrScreen& surface, const std::vector<PixelPoint>& points) {
  if (points.empty()) return;
  const Pen pen = surface.linePen();
  PixelRect changed;
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, points.front().x + kCentre, points.front().y + kCentre);
    for (const PixelPoint& p : points) {
      cairo_line_to(cr, p.x + kCentre, p.y + kCentre);
      changed = unite(changed, {p.x, p.y, 1, 1});
    }
    strokeWith(cr, pen);
  }
  surface.invalidate(changed, pen.width);
}

// A dot is a one-pixel line for a pen of width 1, else a zero-length line
// with the pen's round cap.
void drawDots(tgrScreen& surface, PixelPoint centre, int count, int radius) {
  radius = std::abs(radius);
  Pen pen = surface.linePen();
  if (pen.style != PenStyle::Clear) pen.style = PenStyle::Solid;
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    if (!applyPen(cr, pen)) return;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
      int dx, dy;
      do {
        dx = static_cast<int>(randomBetween(-radius, radius));
        dy = static_cast<int>(randomBetween(-radius, radius));
      } while (dx * dx + dy * dy > radius * radius);
      const double x = centre.x + dx + kCentre;
      const double y = centre.y + dy + kCentre;
      if (pen.width <= 1) {
        cairo_rectangle(cr, centre.x + dx, centre.y + dy, 1, 1);
        cairo_fill(cr);
      } else {
        cairo_move_to(cr, x, y);
        cairo_close_path(cr);
        cairo_stroke(cr);
      }
    }
  }
  surface.invalidate({centre.x - radius, centre.y - radius, 2 * radius + 1, 2 * radius + 1}, pen.width);
}

void drawRectangle(tgrScreen& surface, const PixelRect& rect, Filling filling) {
  if (rect.isEmpty()) return;
  const Pen pen = surface.linePen();
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    if (filling == Filling::Filled) {
      cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
      fillSolid(cr, pen);
      cairo_new_path(cr);
    }
    double x, y, w, h;
    frameOf(rect, pen, x, y, w, h);
    cairo_rectangle(cr, x, y, w, h);
    strokeWith(cr, pen);
  }
  surface.invalidate(rect, pen.width);
}

void drawEllipse(tgrScreen& surface, const PixelRect& rect, Filling filling) {
  if (rect.isEmpty()) return;
  const Pen pen = surface.linePen();
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    double x, y, w, h;
    frameOf(rect, pen, x, y, w, h);
    ellipsePath(cr, x, y, w, h);
    if (filling == Filling::Filled) fillSolid(cr, pen);
    strokeWith(cr, pen);
  }
  surface.invalidate(rect, pen.width);
}

void drawArc(tgrScreen& surface, const PixelRect& rect, PointF start, PointF end) {
  if (rect.isEmpty()) return;
  const Pen pen = surface.linePen();
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    double x, y, w, h;
    frameOf(rect, pen, x, y, w, h);
    const double cx = rect.x + rect.width / 2.0;
    const double cy = rect.y + rect.height / 2.0;
    const double rx = std::max(w / 2, 1e-3);
    const double ry = std::max(h / 2, 1e-3);
    // Angles on the unit circle the ellipse is scaled from; y points down,
    // so decreasing angles run counter-clockwise on the screen.
    const double from = std::atan2((double(start.y) - cy) / ry, (double(start.x) - cx) / rx);
    const double to = std::atan2((double(end.y) - cy) / ry, (double(end.x) - cx) / rx);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, rx, ry);
    cairo_arc_negative(cr, 0, 0, 1, from, to);
    cairo_restore(cr);
    strokeWith(cr, pen);
  }
  surface.invalidate(rect, pen.width);
}

void fillArea(tgrScreen& surface, PixelPoint seed) {
  PixelRect changed;
  {
    BackgroundCanvas canvas(surface);
    PixelBuffer& pixels = canvas.pixels();
    changed = floodFillSameColour(pixels, seed.x, seed.y, {surface.linePen().colour}, pixels.bounds());
    canvas.pixelsChanged();
  }
  surface.invalidateExact(changed);
}

}  // namespace lx
