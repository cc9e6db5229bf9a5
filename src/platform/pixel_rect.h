// A rectangle of pixels in a window or buffer: x to the right, y downwards,
// (0, 0) the upper-left pixel.
#pragma once

namespace lx {

struct PixelRect {
  int x = 0;       // left column
  int y = 0;       // top row
  int width = 0;   // columns covered; the rectangle is empty when width or height is not positive
  int height = 0;  // rows covered

  int right() const { return x + width; }    // first column after the rectangle
  int bottom() const { return y + height; }  // first row after the rectangle
  bool isEmpty() const { return width <= 0 || height <= 0; }
  bool contains(int px, int py) const { return px >= x && px < right() && py >= y && py < bottom(); }
  bool operator==(const PixelRect&) const = default;
};

// The smallest rectangle holding both; an empty rectangle adds nothing.
PixelRect unite(const PixelRect& a, const PixelRect& b);
// The common part of both, or an empty rectangle.
PixelRect intersect(const PixelRect& a, const PixelRect& b);

}  // namespace lx
