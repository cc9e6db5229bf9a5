// Reading the first picture of an icon file.
#include "graphics/icon_reader.h"

#include "graphics/bmp_codec.h"
#include "graphics/library_codecs.h"
#include "graphics/picture_bytes.h"

namespace lx {
namespace {

// The AND mask after an icon's colour rows: one bit a pixel, bottom-up,
// rows padded to four bytes; a set bit is transparent.
void readAndMask(ByteCursor& in, tLogoPicture& picture) {
  const size_t stride = (static_cast<size_t>(picture.width()) + 31) / 32 * 4;
  if (stride * picture.height() > in.left()) return;  // an icon without its mask stays opaque
  for (int r = 0; r < picture.height(); ++r) {
    const std::string_view row = in.take(stride);
    const int y = picture.height() - 1 - r;
    for (int x = 0; x < picture.width(); ++x)
      if ((static_cast<uint8_t>(row[x / 8]) >> (7 - x % 8)) & 1) picture.setMasked(x, y, true);
  }
}

}  // namespace

std::unique_ptr<tLogoPicture> readIcon(std::string_view bytes) {
  ByteCursor in(bytes);
  if (in.u16() != 0 || in.u16() != 1 || in.u16() == 0) throw BadPicture("not an icon");
  in.skip(8);
  const uint32_t size = in.u32(), offset = in.u32();
  if (offset > bytes.size() || size > bytes.size() - offset) throw BadPicture("icon entry");
  const std::string_view data = bytes.substr(offset, size);
  if (data.substr(0, 4) == "\x89PNG") return readPng(data);
  size_t end = 0;
  std::unique_ptr<tLogoPicture> picture = readDib(data, 2, &end);
  ByteCursor rest(data);
  rest.seek(end);
  readAndMask(rest, *picture);
  return picture;
}

}  // namespace lx
