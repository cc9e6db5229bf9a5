// PNG pictures through libpng's simplified reading interface.
#include <png.h>

#include <vector>

#include "graphics/library_codecs.h"
#include "graphics/picture_bytes.h"

namespace lx {

std::unique_ptr<tLogoPicture> readPng(std::string_view bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) throw BadPicture(image.message);
  if (!pictureSizeAllowed(image.width, image.height)) {
    png_image_free(&image);
    throw BadPicture("picture size");
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    throw BadPicture(image.message);
  }
  const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
  auto picture = std::make_unique<tLogoPicture>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &pixels[(static_cast<size_t>(y) * w + x) * 4];
      picture->setPixel(x, y, rgb(p[0], p[1], p[2]));
      if (p[3] < 128) picture->setMasked(x, y, true);
    }
  picture->hotSpot = {w / 2, h / 2};
  return picture;
}

}  // namespace lx
