// BMP streams, read and written by hand: the format is the system's own
// bitmap form and needs no decompression (run-length bitmaps are refused).
#include "graphics/bmp_codec.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <optional>
#include <vector>

#include "graphics/picture_bytes.h"
#include "lang/byte_order.h"

namespace lx {
namespace {

constexpr uint32_t kRgbCompression = 0;
constexpr uint32_t kBitFieldsCompression = 3;
constexpr uint32_t kAlphaBitFieldsCompression = 6;

struct DibHeader {
  int32_t width = 0;
  int32_t height = 0;  // negative: rows run top-down
  uint16_t bits = 0;
  uint32_t compression = kRgbCompression;
  uint32_t coloursUsed = 0;
  std::array<uint32_t, 3> masks{0x7C00, 0x03E0, 0x001F};  // red, green, blue
  size_t paletteEntrySize = 4;
};

DibHeader readHeader(ByteCursor& in) {
  const size_t start = in.position();
  const uint32_t size = in.u32();
  DibHeader h;
  if (size == 12) {
    h.width = in.u16(), h.height = in.u16();
    in.u16();
    h.bits = in.u16();
    h.paletteEntrySize = 3;
    return h;
  }
  if (size < 40 || size > 4096) throw BadPicture("unknown bitmap header");
  h.width = in.i32(), h.height = in.i32();
  in.u16();
  h.bits = in.u16();
  h.compression = in.u32();
  in.skip(12);
  h.coloursUsed = in.u32();
  in.u32();
  const bool fields = h.compression == kBitFieldsCompression || h.compression == kAlphaBitFieldsCompression;
  if (fields) {
    // Version 1 headers keep the masks after the header, later ones inside it.
    for (uint32_t& mask : h.masks) mask = in.u32();
    if (size > 40) in.seek(start + size);
  } else {
    in.seek(start + size);
  }
  if (h.bits == 32 && !fields) h.masks = {0xFF0000, 0xFF00, 0xFF};
  if (h.bits == 16 && !fields) h.masks = {0x7C00, 0x03E0, 0x001F};
  return h;
}

void checkHeader(const DibHeader& h) {
  const int64_t height = std::llabs(int64_t{h.height});
  if (!pictureSizeAllowed(h.width, height)) throw BadPicture("bitmap size");
  const bool fields = h.compression == kBitFieldsCompression || h.compression == kAlphaBitFieldsCompression;
  switch (h.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (h.compression != kRgbCompression) throw BadPicture("compressed bitmap");
      break;
    case 16:
    case 32:
      if (h.compression != kRgbCompression && !fields) throw BadPicture("compressed bitmap");
      break;
    default:
      throw BadPicture("bitmap depth");
  }
}

std::vector<Rgb> readPalette(ByteCursor& in, const DibHeader& h) {
  if (h.bits > 8) return {};
  const uint32_t most = 1u << h.bits;
  const uint32_t count = h.coloursUsed == 0 || h.coloursUsed > most ? most : h.coloursUsed;
  std::vector<Rgb> palette(most, 0);
  for (uint32_t i = 0; i < count; ++i) {
    const std::string_view e = in.take(h.paletteEntrySize);
    palette[i] = rgb(e[2], e[1], e[0]);
  }
  return palette;
}

// One channel through a bit-field mask, scaled to 0..255.
uint8_t channel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::min(std::popcount(mask >> shift), 16);
  const uint32_t value = (pixel & mask) >> shift;
  const uint32_t most = (1u << width) - 1;
  return static_cast<uint8_t>((value & most) * 255 / most);
}

Rgb pixelAt(std::string_view row, int x, const DibHeader& h, const std::vector<Rgb>& palette) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(row[i]); };
  switch (h.bits) {
    case 1:
      return palette[(byte(x / 8) >> (7 - x % 8)) & 1];
    case 4:
      return palette[(byte(x / 2) >> (x % 2 ? 0 : 4)) & 0xF];
    case 8:
      return palette[byte(x)];
    case 24:
      return rgb(byte(3 * x + 2), byte(3 * x + 1), byte(3 * x));
    case 16: {
      const uint32_t p = byte(2 * x) | byte(2 * x + 1) << 8;
      return rgb(channel(p, h.masks[0]), channel(p, h.masks[1]), channel(p, h.masks[2]));
    }
    default: {
      const uint32_t p = static_cast<uint32_t>(getInt32LE(row.data() + 4 * x));
      return rgb(channel(p, h.masks[0]), channel(p, h.masks[1]), channel(p, h.masks[2]));
    }
  }
}

std::unique_ptr<tLogoPicture> readRows(ByteCursor& in, const DibHeader& h, const std::vector<Rgb>& palette,
                                       int rows) {
  const size_t stride = (static_cast<size_t>(h.width) * h.bits + 31) / 32 * 4;
  if (stride * rows > in.left()) throw BadPicture("truncated");
  auto picture = std::make_unique<tLogoPicture>(h.width, rows);
  const bool topDown = h.height < 0;
  for (int r = 0; r < rows; ++r) {
    const std::string_view row = in.take(stride);
    const int y = topDown ? r : rows - 1 - r;
    for (int x = 0; x < h.width; ++x) picture->setPixel(x, y, pixelAt(row, x, h, palette));
  }
  picture->hotSpot = {h.width / 2, rows / 2};
  return picture;
}

std::unique_ptr<tLogoPicture> readDibAt(ByteCursor& in, std::optional<size_t> pixelStart, int heightScale) {
  DibHeader h = readHeader(in);
  if (heightScale > 1) h.height /= heightScale;
  checkHeader(h);
  const std::vector<Rgb> palette = readPalette(in, h);
  if (pixelStart) in.seek(*pixelStart);
  return readRows(in, h, palette, static_cast<int>(std::llabs(int64_t{h.height})));
}

void appendU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

// File header and a 40-byte info header for a bottom-up bitmap.
std::string bmpHeaders(int width, int height, int bits, int paletteEntries) {
  const int32_t stride = (width * bits + 31) / 32 * 4;
  const int32_t offset = 14 + 40 + 4 * paletteEntries;
  std::string out = "BM";
  appendInt32LE(out, offset + stride * height);
  appendInt32LE(out, 0);
  appendInt32LE(out, offset);
  appendInt32LE(out, 40);
  appendInt32LE(out, width);
  appendInt32LE(out, height);
  appendU16(out, 1);
  appendU16(out, static_cast<uint16_t>(bits));
  appendInt32LE(out, 0);
  appendInt32LE(out, stride * height);
  appendInt32LE(out, 2835);  // 72 dots per inch
  appendInt32LE(out, 2835);
  appendInt32LE(out, paletteEntries);
  appendInt32LE(out, 0);
  return out;
}

}  // namespace

std::unique_ptr<tLogoPicture> readBmp(std::string_view bytes) {
  ByteCursor in(bytes);
  if (in.take(2) != "BM") throw BadPicture("not a bitmap");
  in.skip(8);
  const uint32_t offset = in.u32();
  if (offset < 14 || offset > bytes.size()) throw BadPicture("bitmap offset");
  return readDibAt(in, offset, 1);
}

std::unique_ptr<tLogoPicture> readDib(std::string_view bytes, int heightScale, size_t* end) {
  ByteCursor in(bytes);
  std::unique_ptr<tLogoPicture> picture = readDibAt(in, std::nullopt, heightScale);
  if (end) *end = in.position();
  return picture;
}

std::string writeBmp(const tLogoPicture& picture) {
  const int w = picture.width(), h = picture.height();
  std::string out = bmpHeaders(w, h, 24, 0);
  const size_t stride = (3 * static_cast<size_t>(w) + 3) / 4 * 4;
  size_t at = out.size();
  out.resize(at + stride * h, '\0');
  for (int y = h - 1; y >= 0; --y, at += stride)
    for (int x = 0; x < w; ++x) {
      const Rgb c = picture.pixel(x, y);
      out[at + 3 * x] = static_cast<char>(c & 0xFF);
      out[at + 3 * x + 1] = static_cast<char>((c >> 8) & 0xFF);
      out[at + 3 * x + 2] = static_cast<char>((c >> 16) & 0xFF);
    }
  return out;
}

std::string writeMaskBmp(const tLogoPicture& picture) {
  const int w = picture.width(), h = picture.height();
  std::string out = bmpHeaders(w, h, 1, 2);
  appendInt32LE(out, 0);         // index 0: black, opaque
  appendInt32LE(out, 0xFFFFFF);  // index 1: white, transparent
  const size_t stride = (static_cast<size_t>(w) + 31) / 32 * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < w; ++x)
      if (picture.masked(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

}  // namespace lx
