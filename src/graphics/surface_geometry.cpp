// Rectangles of surface coordinates.
#include "graphics/surface_geometry.h"

#include <algorithm>

namespace lx {

PixelRect rectBetween(PixelPoint a, PixelPoint b) {
  const int left = std::min(a.x, b.x);
  const int top = std::min(a.y, b.y);
  return {left, top, std::max(a.x, b.x) - left + 1, std::max(a.y, b.y) - top + 1};
}

PixelRect grownRect(const PixelRect& rect, int margin) {
  return {rect.x - margin, rect.y - margin, rect.width + 2 * margin, rect.height + 2 * margin};
}

SurfaceRange defaultRangeFor(int width, int height) {
  return {0, static_cast<long double>(width - 1), 0, static_cast<long double>(height - 1)};
}

}  // namespace lx
