// A compiled drawing list rendered into a picture of its own, as a turtle
// shape shows it: turned to a heading, scaled, cut to the pixels it covers,
// with the pixel of the list's start as its hot spot.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/drawing_list.h"
#include "platform/pixel_buffer.h"

namespace lx {

// Pictures are cut to this many pixels on each side of the hot spot.
inline constexpr int kMostPictureReach = 1024;

struct DrawingPicture {
  PixelBuffer pixels{0, 0};      // the drawing; white where it left nothing
  std::vector<uint8_t> covered;  // row by row: 1 where the drawing put a pixel
  PixelPoint hotSpot;            // the pixel of the list's start
  bool coveredAt(int x, int y) const {
    return x >= 0 && y >= 0 && x < pixels.width() && y < pixels.height() &&
           covered[static_cast<size_t>(y) * pixels.width() + x];
  }
};

// Renders the compiled drawing at that heading and scale. A drawing that
// covers nothing gives an empty picture.
DrawingPicture drawingPicture(const tDrawingList& drawing, long double heading, long double scaleX,
                              long double scaleY);

}  // namespace lx
