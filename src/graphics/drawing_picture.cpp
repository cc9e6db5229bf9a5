// Rendering a drawing list into a picture with a coverage mask: drawn on a
// transparent canvas, every pixel at least half opaque counts as covered.
#include "graphics/drawing_picture.h"

#include <cairo.h>

#include <algorithm>

#include "graphics/drawing_renderer.h"

namespace lx {
namespace {

void takePixels(cairo_surface_t* canvas, DrawingPicture& picture) {
  cairo_surface_flush(canvas);
  const unsigned char* data = cairo_image_surface_get_data(canvas);
  const int stride = cairo_image_surface_get_stride(canvas);
  const int width = picture.pixels.width(), height = picture.pixels.height();
  picture.covered.assign(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t argb = row[x];
      const uint32_t alpha = argb >> 24;
      if (alpha < 128) continue;
      // Cairo keeps colours multiplied by their opacity.
      auto channel = [&](int shift) {
        return static_cast<uint8_t>(std::min<uint32_t>(255, ((argb >> shift) & 0xFF) * 255 / alpha));
      };
      picture.pixels.setPixel(x, y, rgb(channel(16), channel(8), channel(0)));
      picture.covered[static_cast<size_t>(y) * width + x] = 1;
    }
  }
  picture.pixels.markDirty();
}

}  // namespace

DrawingPicture drawingPicture(const tDrawingList& drawing, long double heading, long double scaleX,
                              long double scaleY) {
  DrawingPicture picture;
  // Placed with its start at the origin first, to learn what it covers.
  const PixelRect reach{-kMostPictureReach, -kMostPictureReach, 2 * kMostPictureReach + 1,
                        2 * kMostPictureReach + 1};
  const PixelRect rect = intersect(drawing.placedCopy({{0, 0}, scaleX, scaleY, heading}).bounds, reach);
  if (rect.isEmpty()) return picture;
  const PointF start{static_cast<long double>(-rect.x), static_cast<long double>(-rect.y)};
  const TransformedDrawing placed = drawing.placedCopy({start, scaleX, scaleY, heading});
  picture.pixels = PixelBuffer(rect.width, rect.height, kWhite);
  picture.hotSpot = {-rect.x, -rect.y};
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, rect.width, rect.height);
  cairo_t* cr = cairo_create(canvas);
  renderDrawing(cr, placed, drawing.start(), {0, 0, rect.width, rect.height});
  cairo_destroy(cr);
  takePixels(canvas, picture);
  cairo_surface_destroy(canvas);
  return picture;
}

}  // namespace lx
