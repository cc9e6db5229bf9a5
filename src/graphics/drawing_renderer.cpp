// Rendering the items of a placed drawing list with cairo. Points are whole
// pixels and are drawn through pixel centres; shapes are cut first to the
// clip grown by the reach of the pen in use, so no far point reaches cairo
// and the edges the cut makes stay out of sight.
#include "graphics/drawing_renderer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/clipping.h"
#include "graphics/turtle_ink.h"
#include "graphics/turtle_label.h"

namespace lx {
namespace {

// Pixel centres: a one-pixel line through whole coordinates covers whole pixels.
constexpr double kCentre = 0.5;
// How far a curve made of straight pieces may stray from the ellipse.
constexpr double kCurveTolerance = 0.1;
constexpr int kMostEllipsePoints = 16384;
// Labels anchored further than this outside the clip cannot reach it.
constexpr long double kFarLabel = 1e6;

class Renderer {
 public:
  Renderer(cairo_t* cr, const DrawAttributes& start, const PixelRect& clip);
  void draw(const DrawItem& item);
  PixelRect changed() const { return intersect(changed_, clip_); }

 private:
  int halfPen() const { return std::max(pen_.width, 1) / 2 + 1; }
  // The clip grown by more than the pen reaches.
  SurfaceRange reach() const;
  void trace(const std::vector<PointF>& points, bool closed);
  void polyline(const std::vector<PointF>& points);
  void polygon(const std::vector<PointF>& points);
  void ellipse(const DrawItem& item, bool filled);
  void dot(const DrawItem& item);
  void label(const DrawItem& item);
  void touched(const std::vector<PointF>& points);

  cairo_t* cr_;
  Pen pen_;
  Brush brush_;
  TurtleFont font_;
  PixelRect clip_;
  PixelRect changed_;
};

Renderer::Renderer(cairo_t* cr, const DrawAttributes& start, const PixelRect& clip)
    : cr_(cr), pen_(start.pen), brush_(start.brush), font_(start.font), clip_(clip) {}

SurfaceRange Renderer::reach() const {
  const long double margin = halfPen() + 2;
  return {clip_.x - margin, static_cast<long double>(clip_.x) + clip_.width + margin, clip_.y - margin,
          static_cast<long double>(clip_.y) + clip_.height + margin};
}

void Renderer::draw(const DrawItem& item) {
  switch (item.kind) {
    case DrawItemKind::PenColour:
      pen_.colour = item.colour;
      return;
    case DrawItemKind::PenWidth:
      pen_.width = item.width;
      return;
    case DrawItemKind::PenPattern:
      pen_.style = item.penStyle;
      return;
    case DrawItemKind::Brush:
      brush_ = {item.colour, item.fillStyle};
      return;
    case DrawItemKind::Font:
      font_ = item.font;
      return;
    case DrawItemKind::Polyline:
      return polyline(item.points);
    case DrawItemKind::Polygon:
      return polygon(item.points);
    case DrawItemKind::Ellipse:
    case DrawItemKind::FilledEllipse:
      return ellipse(item, item.kind == DrawItemKind::FilledEllipse);
    case DrawItemKind::Dot:
      return dot(item);
    case DrawItemKind::Label:
    case DrawItemKind::Label2:
      return label(item);
  }
}

void Renderer::trace(const std::vector<PointF>& points, bool closed) {
  cairo_new_path(cr_);
  for (const PointF& p : points)
    cairo_line_to(cr_, static_cast<double>(p.x) + kCentre, static_cast<double>(p.y) + kCentre);
  if (closed) cairo_close_path(cr_);
}

void Renderer::touched(const std::vector<PointF>& points) {
  long double left = 1e30L, top = 1e30L, right = -1e30L, bottom = -1e30L;
  for (const PointF& p : points) {
    left = std::min(left, p.x), right = std::max(right, p.x);
    top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  }
  if (left > right) return;
  changed_ = unite(
      changed_, grownRect(rectBetween(roundedPixel({left, top}), roundedPixel({right, bottom})), halfPen()));
}

void Renderer::polyline(const std::vector<PointF>& points) {
  if (points.size() < 2 || pen_.style == PenStyle::Clear) return;
  for (const std::vector<PointF>& run : clipPolyline(points, reach())) {
    trace(run, false);
    if (applyPen(cr_, pen_)) {
      // A thin line covers both its end pixels, as the turtle's own lines do.
      if (pen_.width <= 1) cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
      cairo_stroke(cr_);
    }
    touched(run);
  }
  cairo_new_path(cr_);
}

// Filled with the brush (alternate rows of a self-crossing polygon stay
// empty), then outlined with the pen.
void Renderer::polygon(const std::vector<PointF>& points) {
  if (points.size() < 2) return;
  const std::vector<PointF> inside = clipPolygon(points, reach());
  if (inside.size() < 2) return;
  trace(inside, true);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  if (applyBrush(cr_, brush_)) cairo_fill_preserve(cr_);
  if (applyPen(cr_, pen_)) cairo_stroke(cr_);
  cairo_new_path(cr_);
  touched(inside);
}

// The ellipse as a closed path of straight pieces short enough to look
// round; its pen follows the radii, which already leave room for the pen.
void Renderer::ellipse(const DrawItem& item, bool filled) {
  const PointF c = item.points[0], u = item.points[1], v = item.points[2];
  const long double ex = std::hypot(u.x, v.x), ey = std::hypot(u.y, v.y);
  const SurfaceRange box = reach();
  if (c.x + ex < box.xmin || c.x - ex > box.xmax || c.y + ey < box.ymin || c.y - ey > box.ymax) return;
  const double radius = static_cast<double>(std::max(ex, ey));
  int count = 16;
  if (radius > 1) {
    const double step = 2 * std::acos(1 - kCurveTolerance / radius);
    count = std::clamp(static_cast<int>(std::ceil(2 * std::numbers::pi / step)), 16, kMostEllipsePoints);
  }
  std::vector<PointF> points;
  points.reserve(count + 1);
  for (int i = 0; i <= count; ++i) {
    const long double t = 2 * std::numbers::pi_v<long double> * i / count;
    const long double cs = std::cos(t), sn = std::sin(t);
    points.push_back({c.x + cs * u.x + sn * v.x, c.y + cs * u.y + sn * v.y});
  }
  const std::vector<PointF> inside = clipPolygon(points, box);
  if (inside.size() < 2) return;
  trace(inside, true);
  if (filled && applyBrush(cr_, brush_)) cairo_fill_preserve(cr_);
  if (applyPen(cr_, pen_)) cairo_stroke(cr_);
  cairo_new_path(cr_);
  touched(inside);
}

// A dot in the pen colour: one pixel, or a filled circle of its diameter.
void Renderer::dot(const DrawItem& item) {
  const PointF c = item.points[0];
  const long double size = item.size / 2 + 1;
  const SurfaceRange box = reach();
  if (c.x + size < box.xmin || c.x - size > box.xmax || c.y + size < box.ymin || c.y - size > box.ymax)
    return;
  const int diameter = static_cast<int>(std::clamp<long double>(std::round(item.size), 1, 100000));
  changed_ = unite(changed_, paintDot(cr_, roundedPixel(c), diameter, pen_.colour));
}

void Renderer::label(const DrawItem& item) {
  const PointF at = item.points[0];
  const SurfaceRange box = reach();
  if (at.x < box.xmin - kFarLabel || at.x > box.xmax + kFarLabel || at.y < box.ymin - kFarLabel ||
      at.y > box.ymax + kFarLabel)
    return;
  changed_ = unite(changed_, drawLabel(cr_, item.text, font_, pen_.colour, at, item.heading));
}

}  // namespace

PixelRect renderDrawing(cairo_t* cr, const TransformedDrawing& drawing, const DrawAttributes& start,
                        const PixelRect& clip) {
  if (clip.isEmpty()) return {};
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_rectangle(cr, clip.x, clip.y, clip.width, clip.height);
  cairo_clip(cr);
  Renderer renderer(cr, start, clip);
  for (const DrawItem& item : drawing.items) renderer.draw(item);
  cairo_restore(cr);
  return renderer.changed();
}

}  // namespace lx
