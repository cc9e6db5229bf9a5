// Liang-Barsky for segments, Sutherland-Hodgman for polygons.
#include "graphics/clipping.h"

#include <algorithm>

namespace lx {
namespace {

// One side of the box: which coordinate and which way is inside.
struct Side {
  bool vertical;  // a side of constant x
  long double at;
  bool keepAbove;  // inside is where the coordinate is >= at
};

bool inside(PointF p, const Side& side) {
  const long double v = side.vertical ? p.x : p.y;
  return side.keepAbove ? v >= side.at : v <= side.at;
}

PointF crossing(PointF a, PointF b, const Side& side) {
  if (side.vertical) {
    const long double t = (side.at - a.x) / (b.x - a.x);
    return {side.at, a.y + t * (b.y - a.y)};
  }
  const long double t = (side.at - a.y) / (b.y - a.y);
  return {a.x + t * (b.x - a.x), side.at};
}

std::vector<PointF> clipToSide(const std::vector<PointF>& points, const Side& side) {
  std::vector<PointF> kept;
  if (points.empty()) return kept;
  kept.reserve(points.size() + 4);
  PointF previous = points.back();
  for (const PointF& p : points) {
    const bool in = inside(p, side), wasIn = inside(previous, side);
    if (in != wasIn) kept.push_back(crossing(previous, p, side));
    if (in) kept.push_back(p);
    previous = p;
  }
  return kept;
}

}  // namespace

bool clipSegment(PointF& a, PointF& b, const SurfaceRange& box) {
  long double t0 = 0, t1 = 1;
  const long double dx = b.x - a.x, dy = b.y - a.y;
  const long double p[4] = {-dx, dx, -dy, dy};
  const long double q[4] = {a.x - box.xmin, box.xmax - a.x, a.y - box.ymin, box.ymax - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const long double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  const PointF start = a;
  if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}

std::vector<std::vector<PointF>> clipPolyline(const std::vector<PointF>& points, const SurfaceRange& box) {
  std::vector<std::vector<PointF>> runs;
  std::vector<PointF> run;
  for (size_t i = 1; i < points.size(); ++i) {
    PointF a = points[i - 1], b = points[i];
    if (!clipSegment(a, b, box)) continue;
    // A run goes on while each segment starts where the one before ended.
    if (run.empty() || !(run.back() == a)) {
      if (run.size() >= 2) runs.push_back(std::move(run));
      run = {a};
    }
    run.push_back(b);
  }
  if (run.size() >= 2) runs.push_back(std::move(run));
  return runs;
}

std::vector<PointF> clipPolygon(const std::vector<PointF>& points, const SurfaceRange& box) {
  std::vector<PointF> clipped = points;
  for (const Side& side : {Side{true, box.xmin, true}, Side{true, box.xmax, false},
                           Side{false, box.ymin, true}, Side{false, box.ymax, false}})
    clipped = clipToSide(clipped, side);
  return clipped;
}

}  // namespace lx
