// Making picture files for tests.
#include "picture_files.h"

#include <cstdio>
#include <stdexcept>

// jpeglib.h needs FILE and size_t declared before it.
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

namespace lx::testing {

void putU32(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}
void putU16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

namespace {

void addU32(std::string& out, uint32_t v) {
  out.append(4, '\0');
  putU32(out, out.size() - 4, v);
}
void addU16(std::string& out, uint16_t v) {
  out.append(2, '\0');
  putU16(out, out.size() - 2, v);
}

int paletteIndex(const std::vector<Rgb>& palette, Rgb colour) {
  for (size_t i = 0; i < palette.size(); ++i)
    if (palette[i] == colour) return static_cast<int>(i);
  throw std::logic_error("colour not in palette");
}

std::string bmpRow(int width, int bits, int y, const PixelAt& pixel, const std::vector<Rgb>& palette) {
  std::string row((static_cast<size_t>(width) * bits + 31) / 32 * 4, '\0');
  for (int x = 0; x < width; ++x) {
    const Rgb c = pixel(x, y);
    const uint8_t r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    switch (bits) {
      case 1:
        row[x / 8] = static_cast<char>(row[x / 8] | (paletteIndex(palette, c) << (7 - x % 8)));
        break;
      case 4:
        row[x / 2] = static_cast<char>(row[x / 2] | (paletteIndex(palette, c) << (x % 2 ? 0 : 4)));
        break;
      case 8:
        row[x] = static_cast<char>(paletteIndex(palette, c));
        break;
      case 16:
        putU16(row, 2 * x, static_cast<uint16_t>((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)));
        break;
      case 24:
        row[3 * x] = static_cast<char>(b), row[3 * x + 1] = static_cast<char>(g),
                row[3 * x + 2] = static_cast<char>(r);
        break;
      default:
        putU32(row, 4 * x, c);
        break;
    }
  }
  return row;
}

}  // namespace

std::string bmpFile(int width, int height, int bits, const PixelAt& pixel, const std::vector<Rgb>& palette) {
  const int rows = height < 0 ? -height : height;
  std::string pixels;
  for (int r = 0; r < rows; ++r) pixels += bmpRow(width, bits, height < 0 ? r : rows - 1 - r, pixel, palette);
  const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
  std::string out = "BM";
  addU32(out, offset + static_cast<uint32_t>(pixels.size()));
  addU32(out, 0);
  addU32(out, offset);
  addU32(out, 40);
  addU32(out, static_cast<uint32_t>(width));
  addU32(out, static_cast<uint32_t>(height));
  addU16(out, 1);
  addU16(out, static_cast<uint16_t>(bits));
  for (uint32_t v :
       {0u, static_cast<uint32_t>(pixels.size()), 0u, 0u, static_cast<uint32_t>(palette.size()), 0u})
    addU32(out, v);
  for (Rgb c : palette) addU32(out, c);
  return out + pixels;
}

std::string pngFile(int width, int height, const PixelAt& pixel,
                    const std::function<bool(int, int)>& transparent) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      const Rgb c = pixel(x, y);
      p[0] = (c >> 16) & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = c & 0xFF;
      p[3] = transparent(x, y) ? 0 : 255;
    }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width, image.height = height, image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::string out(size, '\0');
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr))
    throw std::runtime_error("png");
  out.resize(size);
  return out;
}

std::string jpegFile(int width, int height, const PixelAt& pixel) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width, info.image_height = height, info.input_components = 3,
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, static_cast<int>(info.next_scanline));
      row[3 * x] = (c >> 16) & 0xFF, row[3 * x + 1] = (c >> 8) & 0xFF, row[3 * x + 2] = c & 0xFF;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string out(reinterpret_cast<char*>(buffer), size);
  free(buffer);
  return out;
}

namespace {

int writeOut(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

}  // namespace

std::string gifFile(int width, int height, const std::vector<Rgb>& palette,
                    const std::vector<GifImage>& images, bool looping) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, writeOut, &error);
  std::vector<GifColorType> colours;
  for (Rgb c : palette)
    colours.push_back(
        {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, width, height, 8, 0, map);
  if (looping) {
    EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
    const unsigned char loop[] = {1, 0, 0};
    EGifPutExtensionBlock(gif, 3, loop);
    EGifPutExtensionTrailer(gif);
  }
  for (const GifImage& image : images) {
    GraphicsControlBlock control{image.disposal, false, image.delayHundredths, image.transparentIndex};
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, false, nullptr);
    std::vector<GifPixelType> line(image.width);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) line[x] = image.indices[static_cast<size_t>(y) * image.width + x];
      EGifPutLine(gif, line.data(), image.width);
    }
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

std::string iconFile(int width, int height, const PixelAt& pixel,
                     const std::function<bool(int, int)>& transparent) {
  std::string dib;
  addU32(dib, 40);
  addU32(dib, static_cast<uint32_t>(width));
  addU32(dib, static_cast<uint32_t>(2 * height));
  addU16(dib, 1);
  addU16(dib, 32);
  for (int i = 0; i < 6; ++i) addU32(dib, 0);
  for (int y = height - 1; y >= 0; --y) dib += bmpRow(width, 32, y, pixel, {});
  const size_t stride = (static_cast<size_t>(width) + 31) / 32 * 4;
  for (int y = height - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x)
      if (transparent(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    dib += row;
  }
  std::string out;
  addU16(out, 0);
  addU16(out, 1);
  addU16(out, 1);
  out += static_cast<char>(width), out += static_cast<char>(height), out += '\0', out += '\0';
  addU16(out, 1);
  addU16(out, 32);
  addU32(out, static_cast<uint32_t>(dib.size()));
  addU32(out, 22);
  return out + dib;
}

}  // namespace lx::testing
