// Turning, scaling and moving the items of a compiled drawing.
#include "graphics/drawing_transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/turtle_label.h"

namespace lx {
namespace {

// The linear part of a transform: a 2 × 2 matrix applied to (x, y).
struct Linear {
  long double xx, xy, yx, yy;
  PointF operator()(PointF p) const { return {xx * p.x + xy * p.y, yx * p.x + yy * p.y}; }
};

long double finiteOr(long double v, long double otherwise) {
  return std::isfinite(v) ? v : otherwise;
}

// Turning clockwise on the screen (y downwards), then scaling. A scale or
// heading that is no number leaves the drawing as it is.
Linear linearOf(const DrawTransform& how) {
  const long double a = finiteOr(how.heading, 0) * std::numbers::pi_v<long double> / 180;
  const long double c = std::cos(a), s = std::sin(a);
  const long double sx = finiteOr(how.scaleX, 1), sy = finiteOr(how.scaleY, 1);
  return {sx * c, -sx * s, sy * s, sy * c};
}

PointF placed(const Linear& turn, const DrawTransform& how, PointF p) {
  const PointF q = turn(p);
  return {std::round(how.position.x + q.x), std::round(how.position.y + q.y)};
}

// Grows the bounds to hold a box around a point.
void cover(long double& left, long double& top, long double& right, long double& bottom, PointF p,
           long double half) {
  left = std::min(left, p.x - half), right = std::max(right, p.x + half);
  top = std::min(top, p.y - half), bottom = std::max(bottom, p.y + half);
}

// The pixels the transformed items may cover: points grown by half the
// pen in use, ellipses by their extent, dots by their size, labels by
// their measured box.
PixelRect boundsOf(const std::vector<DrawItem>& items, const DrawAttributes& start) {
  long double left = 1e30L, top = 1e30L, right = -1e30L, bottom = -1e30L;
  int width = std::max(start.pen.width, 1);
  TurtleFont font = start.font;
  PixelRect labels;
  for (const DrawItem& item : items) {
    const long double half = width / 2 + 1;
    switch (item.kind) {
      case DrawItemKind::PenWidth:
        width = std::max(item.width, 1);
        break;
      case DrawItemKind::Font:
        font = item.font;
        break;
      case DrawItemKind::Polygon:
      case DrawItemKind::Polyline:
        for (const PointF& p : item.points) cover(left, top, right, bottom, p, half);
        break;
      case DrawItemKind::Ellipse:
      case DrawItemKind::FilledEllipse: {
        const PointF u = item.points[1], v = item.points[2];
        const long double ex = std::hypot(u.x, v.x) + half, ey = std::hypot(u.y, v.y) + half;
        cover(left, top, right, bottom, {item.points[0].x - ex, item.points[0].y - ey}, 0);
        cover(left, top, right, bottom, {item.points[0].x + ex, item.points[0].y + ey}, 0);
        break;
      }
      case DrawItemKind::Dot:
        cover(left, top, right, bottom, item.points[0], item.size / 2 + 1);
        break;
      case DrawItemKind::Label:
      case DrawItemKind::Label2:
        labels = unite(labels, labelBox(item.text, font, item.points[0], item.heading));
        break;
      default:
        break;
    }
  }
  PixelRect shapes;
  if (left <= right) shapes = rectBetween(roundedPixel({left, top}), roundedPixel({right, bottom}));
  return unite(shapes, labels);
}

}  // namespace

TransformedDrawing transformDrawing(const std::vector<DrawItem>& items, const DrawAttributes& start,
                                    const DrawTransform& how) {
  const Linear turn = linearOf(how);
  const long double sizeScale = (std::fabs(how.scaleX) + std::fabs(how.scaleY)) / 2;
  TransformedDrawing drawing;
  drawing.items = items;
  for (DrawItem& item : drawing.items) {
    if (item.points.empty()) continue;
    if (holdsAxes(item.kind)) {
      item.points[0] = placed(turn, how, item.points[0]);
      for (size_t i = 1; i < item.points.size(); ++i) item.points[i] = turn(item.points[i]);
      continue;
    }
    for (PointF& p : item.points) p = placed(turn, how, p);
    if (item.kind == DrawItemKind::Dot) item.size *= sizeScale;
    if (item.kind == DrawItemKind::Label || item.kind == DrawItemKind::Label2)
      item.heading += finiteOr(how.heading, 0);
  }
  drawing.bounds = boundsOf(drawing.items, start);
  const PixelPoint position = roundedPixel(how.position);
  drawing.hotSpot = {position.x - drawing.bounds.x, position.y - drawing.bounds.y};
  return drawing;
}

}  // namespace lx
