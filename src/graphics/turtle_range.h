// What a turtle does at the edge of its range, as plain geometry: the path
// from a start point toward a target, split into the segments the pen draws,
// for each of the four range styles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/turtle_geometry.h"

namespace lx {

enum class RangeStyle : uint8_t { Wrap = 0, Window = 1, Fence = 2, Bounce = 3 };

// Ranges are boundaries in pixels with both ends inclusive: a range
// rectangle of width w starting at x has xmin = x and xmax = x + w − 1.
inline bool rangeContains(const SurfaceRange& box, PointF p) {
  return p.x >= box.xmin && p.x <= box.xmax && p.y >= box.ymin && p.y <= box.ymax;
}
// The point with each coordinate held between the range's ends.
PointF clampToRange(const SurfaceRange& box, PointF p);
// The range of a rectangle of pixels given by its upper-left corner and size.
SurfaceRange rangeOfRect(long double x, long double y, long double width, long double height);

struct PathSegment {
  PointF from;
  PointF to;
};

struct TracedPath {
  std::vector<PathSegment> segments;  // what the pen draws, in order
  PointF end;                         // where the turtle ends
  // Bounce: the last point the path reflected at, or the end when nothing
  // reflected; the heading after a bounce points from the end away from it.
  PointF aim;
  bool bounced = false;  // the end differs from `aim`
};

// The path from `start` toward `target` within `box` in `style`.
TracedPath tracePath(PointF start, PointF target, const SurfaceRange& box, RangeStyle style);

// The heading a turtle takes after a bounce: from the end of the path
// along the last reflected segment.
long double headingAfterBounce(const TracedPath& path);

// A path crosses its box at most this many times; a longer one (forward
// 1e12 in a small range) draws that many crossings, then the turtle is put
// where the remaining travel brings it, without drawing.
inline constexpr size_t kMaxPathSegments = 20000;

}  // namespace lx
