// The coordinates of a drawing surface. Pixel coordinates: x to the right,
// y downwards, (0, 0) the upper-left pixel. Page coordinates: x to the
// right, y upwards, (0, 0) the origin pixel. Turtles compute in extended
// reals, so points are kept as long doubles; drawing rounds to pixels.
#pragma once

#include <cmath>

#include "platform/pixel_rect.h"

namespace lx {

struct PointF {
  long double x = 0;
  long double y = 0;
  bool operator==(const PointF&) const = default;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

inline PointF asPointF(PixelPoint p) {
  return {static_cast<long double>(p.x), static_cast<long double>(p.y)};
}

// The boundary a turtle moves in, in pixels, both ends inclusive.
struct SurfaceRange {
  long double xmin = 0;
  long double xmax = 0;
  long double ymin = 0;
  long double ymax = 0;
  bool operator==(const SurfaceRange&) const = default;
};

// Page point -> pixel point for a surface whose origin pixel is `origin`.
inline PointF pixelFromPage(PixelPoint origin, PointF page) {
  return {origin.x + page.x, origin.y - page.y};
}
inline PointF pageFromPixel(PixelPoint origin, PointF pixel) {
  return {pixel.x - origin.x, origin.y - pixel.y};
}
// Coordinates further out than this are clamped to it when they become
// pixels: still far outside any surface, and safe to compute with.
inline constexpr long double kFarPixel = 1 << 28;

// Rounds to the nearest pixel (halves away from zero, as drawing does);
// huge or undefined coordinates land far outside every surface.
inline int roundedCoordinate(long double v) {
  if (std::isnan(v)) return static_cast<int>(kFarPixel);
  if (v > kFarPixel) v = kFarPixel;
  if (v < -kFarPixel) v = -kFarPixel;
  return static_cast<int>(std::lround(static_cast<double>(v)));
}
inline PixelPoint roundedPixel(PointF point) {
  return {roundedCoordinate(point.x), roundedCoordinate(point.y)};
}

// The rectangle spanned by two corners given in any order; both corner
// pixels belong to it.
PixelRect rectBetween(PixelPoint a, PixelPoint b);
// The rectangle grown by `margin` pixels on every side.
PixelRect grownRect(const PixelRect& rect, int margin);
// The default range of a surface of that size: 0..width-1, 0..height-1.
SurfaceRange defaultRangeFor(int width, int height);

}  // namespace lx
