// Pictures decoded by the libraries made for them: PNG through libpng,
// JPEG through libjpeg, GIF (with its animation) through giflib. Each
// checks the declared size against the picture limits before it decodes,
// and raises BadPicture for anything it cannot read.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "graphics/logo_image.h"

namespace lx {

// One picture, hot spot at the centre; pixels mostly transparent in the
// PNG's alpha channel become masked.
std::unique_ptr<tLogoPicture> readPng(std::string_view bytes);
// One picture, hot spot at the centre, no mask.
std::unique_ptr<tLogoPicture> readJpeg(std::string_view bytes);

// A GIF as one frame: every image of the file is one cell, composed on the
// file's screen as the file's disposal methods say, with its delay and a
// mask where nothing was painted. `loops` tells whether the file asks to be
// played again (a looping application extension).
struct GifFrames {
  tLogoFrame cells;
  bool loops = false;
};
GifFrames readGif(std::string_view bytes);

}  // namespace lx
