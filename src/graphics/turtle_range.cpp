// Tracing a turtle's path through the edges of its range.
#include "graphics/turtle_range.h"

#include <algorithm>
#include <cmath>

namespace lx {
namespace {

long double clampBetween(long double v, long double a, long double b) {
  return std::clamp(v, std::min(a, b), std::max(a, b));
}

// The point of the segment from `s` to `c` where x (or y, when `alongX` is
// false) equals `edge`. The other coordinate is held between the segment's
// ends, so rounding never pushes it across the edge it was clipped from.
PointF crossing(PointF s, PointF c, long double edge, bool alongX) {
  if (alongX) {
    const long double t = (edge - s.x) / (c.x - s.x);
    return {edge, clampBetween(s.y + t * (c.y - s.y), s.y, c.y)};
  }
  const long double t = (edge - s.y) / (c.y - s.y);
  return {clampBetween(s.x + t * (c.x - s.x), s.x, c.x), edge};
}

// Where the segment from `s` (inside the box) toward `t` leaves the box:
// the far end is cut at the first edge it violates — left, right, top,
// bottom — until it lies inside.
PointF clipToBox(PointF s, PointF t, const SurfaceRange& box) {
  PointF c = t;
  for (int round = 0; round < 4 && !rangeContains(box, c); ++round) {
    if (c.x < box.xmin)
      c = crossing(s, c, box.xmin, true);
    else if (c.x > box.xmax)
      c = crossing(s, c, box.xmax, true);
    else if (c.y < box.ymin)
      c = crossing(s, c, box.ymin, false);
    else
      c = crossing(s, c, box.ymax, false);
  }
  return clampToRange(box, c);
}

// 0 = (xmin, ymin), 1 = (xmax, ymin), 2 = (xmax, ymax), 3 = (xmin, ymax);
// -1 when the point is no corner.
int cornerOf(PointF p, const SurfaceRange& box) {
  const bool left = p.x == box.xmin, right = p.x == box.xmax;
  const bool top = p.y == box.ymin, bottom = p.y == box.ymax;
  if (top && left) return 0;
  if (top && right) return 1;
  if (bottom && right) return 2;
  if (bottom && left) return 3;
  return -1;
}

PointF corner(int k, const SurfaceRange& box) {
  switch (k) {
    case 0:
      return {box.xmin, box.ymin};
    case 1:
      return {box.xmax, box.ymin};
    case 2:
      return {box.xmax, box.ymax};
    default:
      return {box.xmin, box.ymax};
  }
}

// Moves the exit point `c` to where the path comes back in, and shifts the
// target with it: the pen jumps to the opposite edge while the target moves
// by the range's size less two pixels, so travel is kept modulo that size.
void wrapAround(PointF& c, PointF& t, const SurfaceRange& box) {
  const long double shiftX = box.xmax - box.xmin - 1;
  const long double shiftY = box.ymax - box.ymin - 1;
  if (const int k = cornerOf(c, box); k >= 0) {
    const PointF next = corner((k + 1) % 4, box);
    t.x += next.x - c.x;
    t.y += next.y - c.y;
    c = next;
  } else if (c.x == box.xmin) {
    c.x = box.xmax;
    t.x += shiftX;
  } else if (c.y == box.ymin) {
    c.y = box.ymax;
    t.y += shiftY;
  } else if (c.x == box.xmax) {
    c.x = box.xmin;
    t.x -= shiftX;
  } else if (c.y == box.ymax) {
    c.y = box.ymin;
    t.y -= shiftY;
  }
}

// Reflects the target in the wall (or both walls of a corner) at `c`.
void reflect(PointF c, PointF& t, const SurfaceRange& box) {
  if (c.x == box.xmin)
    t.x = 2 * box.xmin - t.x;
  else if (c.x == box.xmax)
    t.x = 2 * box.xmax - t.x;
  if (c.y == box.ymin)
    t.y = 2 * box.ymin - t.y;
  else if (c.y == box.ymax)
    t.y = 2 * box.ymax - t.y;
}

// Where endless wrapping of one coordinate ends: kept modulo the shift
// that one crossing applies.
long double wrapped(long double v, long double lo, long double hi) {
  const long double period = hi - lo - 1;
  if (period <= 0 || (v >= lo && v <= hi)) return std::clamp(v, lo, std::max(lo, hi));
  long double r = std::fmod(v - lo, period);
  if (r < 0) r += period;
  return lo + r;
}

// Where endless bouncing of one coordinate ends: folded between the walls.
long double folded(long double v, long double lo, long double hi) {
  const long double width = hi - lo;
  if (width <= 0 || (v >= lo && v <= hi)) return std::clamp(v, lo, std::max(lo, hi));
  long double r = std::fmod(v - lo, 2 * width);
  if (r < 0) r += 2 * width;
  return lo + (r > width ? 2 * width - r : r);
}

void traceWrap(TracedPath& path, PointF s, PointF t, const SurfaceRange& box) {
  while (!rangeContains(box, t)) {
    if (path.segments.size() >= kMaxPathSegments) {
      t = {wrapped(t.x, box.xmin, box.xmax), wrapped(t.y, box.ymin, box.ymax)};
      path.end = path.aim = clampToRange(box, t);
      return;
    }
    PointF c = clipToBox(s, t, box);
    path.segments.push_back({s, c});
    wrapAround(c, t, box);
    s = c;
  }
  path.segments.push_back({s, t});
  path.end = path.aim = t;
}

void traceBounce(TracedPath& path, PointF s, PointF t, const SurfaceRange& box) {
  PointF aim = t;
  while (!rangeContains(box, t)) {
    if (path.segments.size() >= kMaxPathSegments) {
      t = clampToRange(box, {folded(t.x, box.xmin, box.xmax), folded(t.y, box.ymin, box.ymax)});
      s = aim = t;
      break;
    }
    const PointF c = clipToBox(s, t, box);
    path.segments.push_back({s, c});
    reflect(c, t, box);
    s = aim = c;
  }
  if (!(s == t)) path.segments.push_back({s, t});
  path.end = t;
  path.aim = aim;
  path.bounced = !(aim == t);
}

bool finite(PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

PointF clampToRange(const SurfaceRange& box, PointF p) {
  return {std::clamp(p.x, box.xmin, std::max(box.xmin, box.xmax)),
          std::clamp(p.y, box.ymin, std::max(box.ymin, box.ymax))};
}

SurfaceRange rangeOfRect(long double x, long double y, long double width, long double height) {
  return {x, x + width - 1, y, y + height - 1};
}

TracedPath tracePath(PointF start, PointF target, const SurfaceRange& box, RangeStyle style) {
  TracedPath path;
  path.end = path.aim = start;
  if (!finite(start) || !finite(target)) return path;
  if (style == RangeStyle::Window) {
    path.segments.push_back({start, target});
    path.end = path.aim = target;
    return path;
  }
  start = clampToRange(box, start);
  switch (style) {
    case RangeStyle::Fence:
      target = clampToRange(box, target);
      path.segments.push_back({start, target});
      path.end = path.aim = target;
      break;
    case RangeStyle::Bounce:
      traceBounce(path, start, target, box);
      break;
    default:
      traceWrap(path, start, target, box);
      break;
  }
  return path;
}

long double headingAfterBounce(const TracedPath& path) {
  return normaliseHeading(bearingBetween(path.end, path.aim) + 180);
}

}  // namespace lx
