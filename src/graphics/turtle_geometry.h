// The turtle's plane: points in extended reals, headings in degrees (0 up,
// growing clockwise), and the conversion between a surface's pixel
// coordinates (y down) and Logo's page coordinates (y up, origin pixel).
#pragma once

namespace lx {

struct RealPoint {
  long double x = 0;
  long double y = 0;
  bool operator==(const RealPoint&) const = default;
};

// A heading brought into [0, 360).
long double normaliseHeading(long double heading);
// The direction of motion in radians, counter-clockwise from the x axis:
// (90 − heading)·π/180.
long double directionOf(long double heading);
// The pixel point `distance` ahead of `from` along `heading` (y grows downwards).
RealPoint stepAlong(RealPoint from, long double heading, long double distance);
// The compass bearing in [0, 360) of a displacement given with y upwards;
// 0 for no displacement.
long double bearingOf(long double dx, long double dy);
// The bearing from one pixel point to another.
long double bearingBetween(RealPoint from, RealPoint to);

// Converting between pixel and page coordinates for a surface whose origin
// is the pixel `origin`.
struct PageFrame {
  long double originX = 0;
  long double originY = 0;

  RealPoint toPixel(RealPoint page) const { return {originX + page.x, originY - page.y}; }
  RealPoint toPage(RealPoint pixel) const { return {pixel.x - originX, originY - pixel.y}; }
};

// Rounds to the nearest pixel, halves away from zero; values beyond the
// integer range are held at its ends.
int roundToPixel(long double value);

}  // namespace lx
