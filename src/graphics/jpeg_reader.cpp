// JPEG pictures through libjpeg. libjpeg reports errors by calling a
// function that must not return; ours jumps back to the decoder, which
// raises BadPicture after cleaning up. Nothing with a destructor lives
// between the jump and its target.
#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "graphics/library_codecs.h"
#include "graphics/picture_bytes.h"

namespace lx {
namespace {

// A progressive file may hold any number of scans, each a pass over the
// whole picture; past this many the file is taken for hostile.
constexpr int kMostScans = 256;

struct JpegErrors {
  jpeg_error_mgr base;
  jmp_buf back;
};

void failJpeg(j_common_ptr info) {
  longjmp(reinterpret_cast<JpegErrors*>(info->err)->back, 1);
}
void quietJpeg(j_common_ptr, int) {}

void watchScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMostScans) failJpeg(info);
}

// Decodes into `rows` (RGB, 3 bytes a pixel); false on any error.
bool decode(std::string_view bytes, std::vector<uint8_t>& rows, int& width, int& height) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = failJpeg;
  errors.base.emit_message = quietJpeg;
  if (setjmp(errors.back)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  progress.progress_monitor = watchScans;
  info.progress = &progress;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  if (!pictureSizeAllowed(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
  rows.resize(static_cast<size_t>(width) * height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &rows[static_cast<size_t>(info.output_scanline) * width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::unique_ptr<tLogoPicture> readJpeg(std::string_view bytes) {
  std::vector<uint8_t> rows;
  int width = 0, height = 0;
  if (!decode(bytes, rows, width, height) || !pictureSizeAllowed(width, height)) throw BadPicture("JPEG");
  auto picture = std::make_unique<tLogoPicture>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &rows[(static_cast<size_t>(y) * width + x) * 3];
      picture->setPixel(x, y, rgb(p[0], p[1], p[2]));
    }
  picture->hotSpot = {width / 2, height / 2};
  return picture;
}

}  // namespace lx
