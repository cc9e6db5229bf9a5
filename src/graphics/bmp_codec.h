// Windows bitmaps: reading a BMP file stream of any common depth (1, 4 and
// 8 bits with a palette, 16, 24 and 32 bits, bottom-up or top-down) into a
// 24-bit picture, and writing pictures and masks back as BMP streams.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "graphics/logo_picture.h"

namespace lx {

// The picture of a BMP file stream ("BM" header first). Hot spot at the
// centre, no mask. Raises BadPicture.
std::unique_ptr<tLogoPicture> readBmp(std::string_view bytes);
// The same for a bitmap without the 14-byte file header (as icons and
// clipboard bitmaps hold them); `heightScale` 2 reads an icon's doubled
// height. `end`, when given, receives the offset after the pixel rows.
std::unique_ptr<tLogoPicture> readDib(std::string_view bytes, int heightScale = 1, size_t* end = nullptr);

// The picture's pixels as a 24-bit bottom-up BMP file stream.
std::string writeBmp(const tLogoPicture& picture);
// The picture's mask as a 1-bit BMP file stream: white where transparent.
std::string writeMaskBmp(const tLogoPicture& picture);

}  // namespace lx
