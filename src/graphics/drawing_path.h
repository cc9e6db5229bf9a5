// The path a drawing list's pen is tracing while it compiles: points kept to
// hundredths of a pixel, a repeated point left out, at most kMaxPathPoints
// of them; and the smoothing of a path into a curve through its points.
#pragma once

#include <cstddef>
#include <vector>

#include "graphics/surface_geometry.h"

namespace lx {

// A path never grows beyond this; later points take the last place.
inline constexpr size_t kMaxPathPoints = 9999;

// The point with both coordinates rounded to hundredths.
PointF toHundredths(PointF p);

class DrawPath {
 public:
  bool empty() const { return points_.empty(); }
  size_t size() const { return points_.size(); }
  // Adds the point (rounded), unless it equals the last one.
  void add(PointF p);
  // Hands the points over and starts an empty path.
  std::vector<PointF> take();

 private:
  std::vector<PointF> points_;
};

// A smooth curve through the points (Catmull-Rom), keeping the first and the
// last; fewer than three points stay as they are. Closed paths (last point
// equal to the first) stay closed.
std::vector<PointF> smoothedPath(const std::vector<PointF>& points);

}  // namespace lx
