// Icon files (".ICO"): the first picture of the file, a PNG or a bitmap
// with its AND mask, which becomes the picture's mask.
#pragma once

#include <memory>
#include <string_view>

#include "graphics/logo_picture.h"

namespace lx {

// Raises BadPicture.
std::unique_ptr<tLogoPicture> readIcon(std::string_view bytes);

}  // namespace lx
