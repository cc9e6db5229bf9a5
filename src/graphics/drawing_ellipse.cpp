// Radii, steps and points of the ellipses and arcs of drawing lists.
#include "graphics/drawing_ellipse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/turtle_geometry.h"

namespace lx {
namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180;

PointF onEllipse(PointF centre, EllipseRadii radii, long double angle) {
  const long double a = angle * kDegree;
  return {centre.x + radii.x * std::sin(a), centre.y - radii.y * std::cos(a)};
}

}  // namespace

EllipseRadii ellipseRadii(long double width, long double height, int penWidth) {
  const int pen = std::max(penWidth, 1);
  return {std::fabs((width - pen + 1) / 2), std::fabs((height - pen + 1) / 2)};
}

long double arcStep(EllipseRadii radii) {
  // An estimate of a quarter of the ellipse's circumference.
  const long double around = 1.5L * (radii.x + radii.y) - std::sqrt(radii.x * radii.y);
  if (!(around > 0)) return 1;
  return std::clamp(1200 / around, 1.0L, 12.0L);
}

long double normalisedSweep(long double sweep) {
  if (sweep >= 0 && sweep <= 360) return sweep;
  const long double rest = std::fmod(sweep, 360.0L);
  if (rest == 0) return sweep > 0 ? 360 : 0;
  return rest < 0 ? rest + 360 : rest;
}

std::vector<PointF> arcPoints(PointF centre, EllipseRadii radii, long double start, long double sweep) {
  // Counted steps from a start within one turn: adding steps to a huge
  // angle would not move it.
  start = normaliseHeading(start);
  sweep = normalisedSweep(sweep);
  const long double step = arcStep(radii);
  const long count = static_cast<long>(std::ceil(sweep / step));
  std::vector<PointF> points;
  points.reserve(static_cast<size_t>(count) + 1);
  for (long i = 0; i < count; ++i) points.push_back(onEllipse(centre, radii, start + i * step));
  points.push_back(onEllipse(centre, radii, start + sweep));
  return points;
}

}  // namespace lx
