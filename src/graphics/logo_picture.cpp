// Pictures: pixels, masks and their cairo surfaces.
#include "graphics/logo_picture.h"

#include <cairo.h>

#include <cassert>

namespace lx {

bool pictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMostPictureSide && height <= kMostPictureSide &&
         width * height <= kMostPicturePixels;
}

tLogoPicture::tLogoPicture(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, kWhite) {
  assert(pictureSizeAllowed(width, height));
}

tLogoPicture::tLogoPicture(const tLogoPicture& other)
    : hotSpot(other.hotSpot),
      delay(other.delay),
      width_(other.width_),
      height_(other.height_),
      pixels_(other.pixels_),
      mask_(other.mask_) {}

tLogoPicture::~tLogoPicture() {
  if (surface_) cairo_surface_destroy(surface_);
}

void tLogoPicture::setMasked(int x, int y, bool transparent) {
  if (mask_.empty()) {
    if (!transparent) return;
    mask_.assign(pixels_.size(), 0);
  }
  mask_[index(x, y)] = transparent ? 1 : 0;
}

bool tLogoPicture::sameAs(const tLogoPicture& other) const {
  if (width_ != other.width_ || height_ != other.height_ || hotSpot.x != other.hotSpot.x ||
      hotSpot.y != other.hotSpot.y || delay != other.delay || pixels_ != other.pixels_)
    return false;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (masked(x, y) != other.masked(x, y)) return false;
  return true;
}

cairo_surface_t* tLogoPicture::surface() const {
  if (surface_) return surface_;
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    // Premultiplied alpha with a 1-bit mask: a transparent pixel is all zero.
    for (int x = 0; x < width_; ++x) row[x] = masked(x, y) ? 0 : (0xFF000000u | pixel(x, y));
  }
  cairo_surface_mark_dirty(surface_);
  return surface_;
}

PictureRef sharePicture(std::unique_ptr<tLogoPicture> picture) {
  picture->seal();
  return PictureRef(std::move(picture));
}

std::unique_ptr<tLogoPicture> pictureFromBuffer(const PixelBuffer& buffer, const PixelRect& rect) {
  buffer.flush();
  auto picture = std::make_unique<tLogoPicture>(rect.width, rect.height);
  for (int y = 0; y < rect.height; ++y)
    for (int x = 0; x < rect.width; ++x) picture->setPixel(x, y, buffer.pixel(rect.x + x, rect.y + y));
  return picture;
}

}  // namespace lx
