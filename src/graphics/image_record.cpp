// Reading and writing the native image form. Every count and length comes
// from the file, so each is checked against the bytes that are left and the
// picture limits before anything is allocated.
#include "graphics/image_record.h"

#include <cmath>
#include <sstream>

#include "core/logo_exception.h"
#include "graphics/bmp_codec.h"
#include "graphics/picture_bytes.h"
#include "lang/byte_order.h"
#include "lang/chunk_tag.h"
#include "lang/compressed_data.h"
#include "lang/container_lookup.h"
#include "lang/container_stream.h"

namespace lx {
namespace {

constexpr ChunkTag kTagPictureInfo("F  1");   // hot spot and delay
constexpr ChunkTag kTagPictureImage("FI 1");  // the pixels, a BMP stream
constexpr ChunkTag kTagPictureMask("FM 1");   // the mask, a 1-bit BMP stream
constexpr int32_t kRecordHeaderLength = 12;

void appendChunk(std::string& out, ChunkTag tag, std::string_view data) {
  out.append(tag.data(), 4);
  appendInt32LE(out, static_cast<int32_t>(data.size()));
  out += data;
}

// The next sub-chunk: its tag and data.
std::pair<ChunkTag, std::string_view> nextChunk(ByteCursor& in) {
  const ChunkTag tag = ChunkTag::fromBytes(in.take(4).data());
  const uint32_t length = in.u32();
  return {tag, in.take(length)};
}

// A count read from the file, which cannot be more than the bytes left allow.
uint32_t countOf(ByteCursor& in, size_t smallestItem) {
  const uint32_t count = in.u32();
  if (count > in.left() / smallestItem) throw BadPicture("count");
  return count;
}

void applyMask(tLogoPicture& picture, const tLogoPicture& mask) {
  if (mask.width() != picture.width() || mask.height() != picture.height()) throw BadPicture("mask size");
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (mask.pixel(x, y) != 0) picture.setMasked(x, y, true);
}

}  // namespace

std::string writePictureStream(const tLogoPicture& picture) {
  std::string out;
  appendInt32LE(out, picture.hasMask() ? 3 : 2);
  std::string info;
  appendInt32LE(info, picture.hotSpot.x);
  appendInt32LE(info, picture.hotSpot.y);
  appendInt32LE(info, picture.delay);
  appendChunk(out, kTagPictureInfo, info);
  appendChunk(out, kTagPictureImage, writeBmp(picture));
  if (picture.hasMask()) appendChunk(out, kTagPictureMask, writeMaskBmp(picture));
  return out;
}

std::string writeFrameStream(const tLogoFrame& frame) {
  std::string pictures;
  appendInt32LE(pictures, static_cast<int32_t>(frame.size()));
  for (const PictureRef& picture : frame) pictures += writePictureStream(*picture);
  std::string out;
  appendInt32LE(out, 1);
  appendChunk(out, kTagPictureSet, pictures);
  return out;
}

std::string writeImageRecord(const tLogoImage& image) {
  std::string out;
  appendInt32LE(out, kRecordHeaderLength);
  appendInt32LE(out, static_cast<int32_t>(image.frames().size()));
  appendInt32LE(out, static_cast<int32_t>(std::lround(static_cast<double>(image.baseAngle()) * 100)));
  appendInt32LE(out, image.loops() ? 1 : 0);
  for (const tLogoFrame& frame : image.frames()) out += writeFrameStream(frame);
  return out;
}

// Each known sub-chunk counts once; unknown ones are skipped by length.
PictureRef readPictureStream(std::string_view bytes) {
  ByteCursor in(bytes);
  const uint32_t count = countOf(in, 8);
  std::unique_ptr<tLogoPicture> picture, mask;
  PixelPoint hotSpot;
  int32_t delay = 0;
  bool haveInfo = false;
  for (uint32_t i = 0; i < count; ++i) {
    const auto [tag, data] = nextChunk(in);
    if (tag == kTagPictureInfo && !haveInfo && data.size() >= 12) {
      ByteCursor info(data);
      hotSpot = {info.i32(), info.i32()};
      delay = std::max(info.i32(), 0);
      haveInfo = true;
    } else if (tag == kTagPictureImage && !picture) {
      picture = readBmp(data);
    } else if (tag == kTagPictureMask && !mask) {
      mask = readBmp(data);
    }
  }
  if (!picture) throw BadPicture("picture without pixels");
  if (mask) applyMask(*picture, *mask);
  if (haveInfo) picture->hotSpot = hotSpot, picture->delay = delay;
  return sharePicture(std::move(picture));
}

tLogoFrame readFrameStream(std::string_view bytes) {
  ByteCursor in(bytes);
  const uint32_t chunks = countOf(in, 8);
  tLogoFrame frame;
  for (uint32_t i = 0; i < chunks; ++i) {
    const auto [tag, data] = nextChunk(in);
    if (tag != kTagPictureSet || !frame.empty()) continue;
    ByteCursor set(data);
    const uint32_t pictures = countOf(set, 4);
    if (pictures > static_cast<uint32_t>(kMostImageCells)) throw BadPicture("too many cells");
    // Picture streams are not length-prefixed: each is read up to its end.
    for (uint32_t p = 0; p < pictures; ++p) {
      const size_t start = set.position();
      const uint32_t subChunks = countOf(set, 8);
      for (uint32_t s = 0; s < subChunks; ++s) nextChunk(set);
      frame.push_back(readPictureStream(data.substr(start, set.position() - start)));
    }
  }
  return frame;
}

Value readImageRecord(std::string_view bytes) {
  ByteCursor in(bytes);
  const uint32_t headerLength = in.u32();
  if (headerLength < kRecordHeaderLength || headerLength > in.left()) throw BadPicture("image header");
  const size_t framesStart = in.position() + headerLength;
  const uint32_t frameCount = in.u32();
  // Whole hundredths brought into one turn first, so that the angle read
  // is the one written again.
  const long double angle = (in.i32() % 36000) / 100.0L;
  const bool loop = in.u32() != 0;
  in.seek(framesStart);
  if (frameCount > static_cast<uint32_t>(kMostImageCells)) throw BadPicture("too many frames");
  std::vector<tLogoFrame> frames;
  for (uint32_t f = 0; f < frameCount; ++f) {
    // Frame streams are not length-prefixed either: walk the chunks to find the end.
    const size_t start = in.position();
    const uint32_t chunks = countOf(in, 8);
    for (uint32_t c = 0; c < chunks; ++c) nextChunk(in);
    frames.push_back(readFrameStream(bytes.substr(start, in.position() - start)));
    if (!framesAllowed(frames)) throw BadPicture("image too large");
  }
  return makeImage(std::move(frames), angle, loop);
}

Value readImageChunk(const RawChunk& chunk) {
  try {
    return readImageRecord(chunkPayload(chunk));
  } catch (const eStreamReadError&) {
    throw BadPicture("damaged compressed image");
  }
}

Value readImageFile(std::string_view bytes) {
  std::istringstream in{std::string(bytes)};
  ContainerReader reader(in, ckImageFile);
  try {
    while (auto chunk = reader.next())
      if (isImageTag(chunk->tag)) return readImageChunk(reader.readChunk(*chunk));
  } catch (const eStreamReadError&) {
    throw BadPicture("damaged image file");
  }
  throw BadPicture("image file without an image");
}

}  // namespace lx
