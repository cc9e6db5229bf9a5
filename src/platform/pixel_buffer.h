// A 24-bit RGB image in memory that windows show and graphics draw into:
// a cairo image surface of format RGB24, so the graphics code can draw into
// it with cairo directly, and a screenshot is the buffer written as PNG.
//
// Each pixel is one 32-bit word 0x00RRGGBB in the machine's byte order (the
// high byte is unused and reads as 0); rows are `stride` bytes apart. After
// writing pixels directly, call markDirty() before drawing with cairo again;
// after drawing with cairo, call flush() before reading pixels directly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/pixel_rect.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace lx {

using Rgb = uint32_t;  // 0x00RRGGBB
constexpr Rgb rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return (Rgb{red} << 16) | (Rgb{green} << 8) | Rgb{blue};
}
constexpr Rgb kWhite = 0xFFFFFF;

// Makes the colour cairo's source for what `cr` draws next.
void setSourceColour(cairo_t* cr, Rgb colour);

// The outcome of writing a file; `error` says why it failed.
struct WriteResult {
  bool ok = true;
  std::string error;
};

class PixelBuffer {
 public:
  // A buffer of that size (negative sizes count as 0) filled with `colour`.
  PixelBuffer(int width, int height, Rgb colour = kWhite);
  ~PixelBuffer();
  PixelBuffer(PixelBuffer&& other) noexcept;
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  // Reads a PNG file (any PNG cairo reads; transparency is dropped by
  // painting the picture over white). None when the file cannot be read.
  static std::optional<PixelBuffer> readPng(const std::filesystem::path& file);

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }  // bytes from one row to the next
  PixelRect bounds() const { return {0, 0, width_, height_}; }

  // The colour at a pixel; `outside` for a point outside the buffer.
  Rgb pixel(int x, int y, Rgb outside = kWhite) const;
  // Sets one pixel; points outside the buffer are ignored.
  void setPixel(int x, int y, Rgb colour);
  // Fills the part of `rect` that lies inside the buffer.
  void fillRect(const PixelRect& rect, Rgb colour);
  void fill(Rgb colour) { fillRect(bounds(), colour); }
  // Copies `rect` of `source` to the same place here, clipped to both.
  void copyFrom(const PixelBuffer& source, const PixelRect& rect);
  // Copies `rect` of `source` here with its upper-left corner at (x, y),
  // clipped to both buffers.
  void copyFrom(const PixelBuffer& source, const PixelRect& rect, int x, int y);
  // Changes the size, keeping the pixels both sizes share; new pixels get `colour`.
  void resize(int width, int height, Rgb colour = kWhite);

  uint32_t* row(int y) { return reinterpret_cast<uint32_t*>(data_ + static_cast<size_t>(y) * stride_); }
  const uint32_t* row(int y) const {
    return reinterpret_cast<const uint32_t*>(data_ + static_cast<size_t>(y) * stride_);
  }

  // The cairo surface over the pixels, for cairo_create(); owned by the buffer.
  cairo_surface_t* cairoSurface() const { return surface_; }
  void markDirty();
  void flush() const;

  // Writes the buffer as a PNG file (8-bit RGB, no alpha).
  [[nodiscard]] WriteResult writePng(const std::filesystem::path& file) const;

 private:
  cairo_surface_t* surface_ = nullptr;
  unsigned char* data_ = nullptr;  // owned by surface_
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
};

}  // namespace lx
