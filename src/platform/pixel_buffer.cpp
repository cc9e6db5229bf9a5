// A 24-bit RGB image in memory over a cairo RGB24 surface.
#include "platform/pixel_buffer.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace lx {

void setSourceColour(cairo_t* cr, Rgb colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}
namespace {

cairo_surface_t* makeSurface(int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  // Only a failed allocation makes this fail; nothing can go on without memory.
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "out of memory for a %d x %d picture\n", width, height);
    std::abort();
  }
  return surface;
}

}  // namespace

PixelBuffer::PixelBuffer(int width, int height, Rgb colour)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  surface_ = makeSurface(width_, height_);
  data_ = cairo_image_surface_get_data(surface_);
  stride_ = cairo_image_surface_get_stride(surface_);
  fill(colour);
  // Cairo takes a new surface for clear and would draw over it as if
  // copying, turning transparent source pixels black.
  markDirty();
}

PixelBuffer::~PixelBuffer() {
  if (surface_) cairo_surface_destroy(surface_);
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
  std::swap(surface_, other.surface_);
  std::swap(data_, other.data_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(stride_, other.stride_);
  return *this;
}

std::optional<PixelBuffer> PixelBuffer::readPng(const std::filesystem::path& file) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(file.c_str());
  if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(png);
    return std::nullopt;
  }
  PixelBuffer buffer(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png));
  cairo_t* cr = cairo_create(buffer.surface_);
  cairo_set_source_surface(cr, png, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(png);
  buffer.flush();
  return buffer;
}

Rgb PixelBuffer::pixel(int x, int y, Rgb outside) const {
  if (!bounds().contains(x, y)) return outside;
  return row(y)[x] & 0xFFFFFF;
}

void PixelBuffer::setPixel(int x, int y, Rgb colour) {
  if (bounds().contains(x, y)) row(y)[x] = colour & 0xFFFFFF;
}

void PixelBuffer::fillRect(const PixelRect& rect, Rgb colour) {
  const PixelRect area = intersect(rect, bounds());
  for (int y = area.y; y < area.bottom(); ++y) {
    std::fill_n(row(y) + area.x, area.width, colour & 0xFFFFFF);
  }
}

void PixelBuffer::copyFrom(const PixelBuffer& source, const PixelRect& rect) {
  const PixelRect area = intersect(intersect(rect, bounds()), source.bounds());
  for (int y = area.y; y < area.bottom(); ++y) {
    std::copy_n(source.row(y) + area.x, area.width, row(y) + area.x);
  }
}

void PixelBuffer::copyFrom(const PixelBuffer& source, const PixelRect& rect, int x, int y) {
  const int dx = x - rect.x;
  const int dy = y - rect.y;
  const PixelRect from = intersect(rect, source.bounds());
  const PixelRect to = intersect({from.x + dx, from.y + dy, from.width, from.height}, bounds());
  for (int row = to.y; row < to.bottom(); ++row) {
    std::copy_n(source.row(row - dy) + (to.x - dx), to.width, this->row(row) + to.x);
  }
}

void PixelBuffer::resize(int width, int height, Rgb colour) {
  if (width == width_ && height == height_) return;
  PixelBuffer resized(width, height, colour);
  resized.copyFrom(*this, bounds());
  *this = std::move(resized);
}

void PixelBuffer::markDirty() {
  cairo_surface_mark_dirty(surface_);
}

void PixelBuffer::flush() const {
  cairo_surface_flush(surface_);
}

WriteResult PixelBuffer::writePng(const std::filesystem::path& file) const {
  flush();
  const cairo_status_t status = cairo_surface_write_to_png(surface_, file.c_str());
  if (status == CAIRO_STATUS_SUCCESS) return {};
  return {false, cairo_status_to_string(status)};
}

}  // namespace lx
