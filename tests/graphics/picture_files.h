// Small picture files that tests make themselves: bitmaps of every depth,
// PNG with transparency, JPEG, animated GIF and icons, written with the
// libraries (or by hand for the bitmap forms).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/pixel_buffer.h"

namespace lx::testing {

using PixelAt = std::function<Rgb(int x, int y)>;

// A BMP file of `bits` 1, 4, 8 (palette of `palette`), 16 (5-5-5), 24 or
// 32 bits; negative height for rows stored top-down.
std::string bmpFile(int width, int height, int bits, const PixelAt& pixel,
                    const std::vector<Rgb>& palette = {});
// A PNG file; pixels where `transparent` says so get alpha 0.
std::string pngFile(int width, int height, const PixelAt& pixel,
                    const std::function<bool(int, int)>& transparent);
std::string jpegFile(int width, int height, const PixelAt& pixel);

// One image of a GIF: palette indices row by row, at (left, top).
struct GifImage {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<uint8_t> indices;
  int delayHundredths = 0;
  int transparentIndex = -1;
  int disposal = 0;
};
std::string gifFile(int width, int height, const std::vector<Rgb>& palette,
                    const std::vector<GifImage>& images, bool looping);

// An icon of one 32-bit picture with its AND mask.
std::string iconFile(int width, int height, const PixelAt& pixel,
                     const std::function<bool(int, int)>& transparent);

// Little-endian integers, for patching headers.
void putU32(std::string& bytes, size_t at, uint32_t value);
void putU16(std::string& bytes, size_t at, uint16_t value);

}  // namespace lx::testing
