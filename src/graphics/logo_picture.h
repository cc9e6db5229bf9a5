// tLogoPicture: one cell of an image — 24-bit pixels, an optional mask of
// transparent pixels, the hot spot that sits on the turtle's position and
// the time the cell is shown in an animation. Pictures never change once
// made, so images share them freely between threads.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/surface_geometry.h"
#include "platform/pixel_buffer.h"

typedef struct _cairo_surface cairo_surface_t;

namespace lx {

// Limits on what a picture file or an image record may ask for. A decoder
// checks the declared size against them before it allocates anything, so a
// hostile header cannot make us reserve gigabytes.
inline constexpr int kMostPictureSide = 8192;
inline constexpr int64_t kMostPicturePixels = int64_t{16} << 20;
inline constexpr int64_t kMostImagePixels = int64_t{32} << 20;
inline constexpr int kMostImageCells = 2048;

// Whether a declared picture size is one we make.
bool pictureSizeAllowed(int64_t width, int64_t height);

class tLogoPicture {
 public:
  // A picture of that size, white and opaque (the size must be allowed).
  tLogoPicture(int width, int height);
  ~tLogoPicture();
  tLogoPicture(const tLogoPicture& other);
  tLogoPicture& operator=(const tLogoPicture&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb pixel(int x, int y) const { return pixels_[index(x, y)]; }
  void setPixel(int x, int y, Rgb colour) { pixels_[index(x, y)] = colour; }
  bool hasMask() const { return !mask_.empty(); }
  // Whether the pixel is transparent (never, without a mask).
  bool masked(int x, int y) const { return hasMask() && mask_[index(x, y)] != 0; }
  void setMasked(int x, int y, bool transparent);
  void dropMask() { mask_.clear(); }

  PixelPoint hotSpot{0, 0};
  int delay = 0;  // milliseconds; never negative

  // Pixel and mask contents, hot spot and delay all equal.
  bool sameAs(const tLogoPicture& other) const;

  // The picture as a cairo surface with transparent masked pixels, made on
  // first use. Call it only while the picture is still private to its maker
  // or from code that holds the interpreter lock or the drawing lock; after
  // `seal` the surface exists and reading it is safe from any thread.
  cairo_surface_t* surface() const;
  void seal() const { surface(); }

 private:
  size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  std::vector<uint8_t> mask_;  // 1 = transparent; empty = opaque
  mutable cairo_surface_t* surface_ = nullptr;
};

using PictureRef = std::shared_ptr<const tLogoPicture>;

// Seals the picture and hands it out shared.
PictureRef sharePicture(std::unique_ptr<tLogoPicture> picture);
// A picture cut from a pixel buffer.
std::unique_ptr<tLogoPicture> pictureFromBuffer(const PixelBuffer& buffer, const PixelRect& rect);

}  // namespace lx
