// Collecting and smoothing the points of a drawing list's paths.
#include "graphics/drawing_path.h"

#include <algorithm>
#include <cmath>

namespace lx {
namespace {

// Points between two neighbours of a smoothed path, and the most points a
// smoothed path may have, so a long path gets fewer steps between points.
constexpr int kCurveSteps = 8;
constexpr size_t kMaxCurvePoints = 4 * kMaxPathPoints;

long double hundredths(long double v) {
  return std::round(v * 100) / 100;
}

// The Catmull-Rom curve between b and c, with a and d their outer neighbours.
PointF curveAt(PointF a, PointF b, PointF c, PointF d, long double t) {
  const long double t2 = t * t, t3 = t2 * t;
  auto blend = [&](long double p0, long double p1, long double p2, long double p3) {
    return 0.5L *
           (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 + (3 * p1 - p0 - 3 * p2 + p3) * t3);
  };
  return {blend(a.x, b.x, c.x, d.x), blend(a.y, b.y, c.y, d.y)};
}

}  // namespace

PointF toHundredths(PointF p) {
  return {hundredths(p.x), hundredths(p.y)};
}

void DrawPath::add(PointF p) {
  p = toHundredths(p);
  if (!points_.empty() && points_.back() == p) return;
  if (points_.size() < kMaxPathPoints)
    points_.push_back(p);
  else
    points_.back() = p;
}

std::vector<PointF> DrawPath::take() {
  std::vector<PointF> taken;
  taken.swap(points_);
  return taken;
}

std::vector<PointF> smoothedPath(const std::vector<PointF>& p) {
  const size_t n = p.size();
  if (n < 3) return p;
  const bool closed = p.front() == p.back();
  const int steps = static_cast<int>(std::clamp<size_t>(kMaxCurvePoints / n, 1, kCurveSteps));
  // Outer neighbours: around a closed path the curve goes on through its
  // start; an open one repeats its ends.
  const long distinct = static_cast<long>(n) - 1;
  auto at = [&](long i) -> PointF {
    if (closed) return p[static_cast<size_t>((i % distinct + distinct) % distinct)];
    return p[static_cast<size_t>(std::clamp<long>(i, 0, distinct))];
  };
  std::vector<PointF> curve;
  curve.reserve((n - 1) * steps + 1);
  curve.push_back(p.front());
  for (size_t i = 0; i + 1 < n; ++i) {
    const long k = static_cast<long>(i);
    const PointF a = at(k - 1), d = at(k + 2);
    for (int s = 1; s < steps; ++s)
      curve.push_back(toHundredths(curveAt(a, p[i], p[i + 1], d, static_cast<long double>(s) / steps)));
    curve.push_back(p[i + 1]);
  }
  return curve;
}

}  // namespace lx
