// Reading the older native image files.
#include "graphics/lgw_reader.h"

#include "graphics/bmp_codec.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"

namespace lx {
namespace {

constexpr uint32_t kRecordHeader = 20;

// Pixels that are not black in the mask bitmap are transparent; a mask of
// another size than the image says nothing and is left out.
void applyMask(tLogoPicture& picture, std::string_view bytes) {
  const std::unique_ptr<tLogoPicture> mask = readBmp(bytes);
  if (mask->width() != picture.width() || mask->height() != picture.height()) return;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (mask->pixel(x, y) != 0) picture.setMasked(x, y, true);
}

PictureRef readRecord(ByteCursor& in) {
  const size_t start = in.position();
  const uint32_t length = in.u32();
  const int32_t hotX = in.i32(), hotY = in.i32();
  const uint32_t imageLength = in.u32(), maskLength = in.u32();
  if (length < kRecordHeader || length - kRecordHeader > in.left()) throw BadPicture("LGW record");
  const uint32_t body = length - kRecordHeader;
  if (imageLength > body) throw BadPicture("LGW image");
  if (hotX < -kMostPictureSide || hotX > kMostPictureSide || hotY < -kMostPictureSide ||
      hotY > kMostPictureSide)
    throw BadPicture("LGW hot spot");
  std::unique_ptr<tLogoPicture> picture = readBmp(in.take(imageLength));
  if (maskLength > 0 && maskLength <= body - imageLength) applyMask(*picture, in.take(maskLength));
  picture->hotSpot = {hotX, hotY};
  in.seek(start + length);
  return sharePicture(std::move(picture));
}

}  // namespace

Value readLgw(std::string_view bytes) {
  ByteCursor in(bytes);
  const int16_t count = static_cast<int16_t>(in.u16());
  if (count < 0 || count > kMostImageCells) throw BadPicture("LGW frame count");
  std::vector<tLogoFrame> frames;
  for (int i = 0; i < count; ++i) {
    frames.push_back({readRecord(in)});
    if (!framesAllowed(frames)) throw BadPicture("LGW too large");
  }
  return makeImage(std::move(frames));
}

}  // namespace lx
