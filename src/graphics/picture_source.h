// Pictures that pages draw (`loadbgpicture`, `bgPicture`, `putpicture`).
// Until picture and image values exist, a picture is a PNG file named by a
// word; the images work extends this one function.
#pragma once

#include "platform/pixel_buffer.h"
#include "core/value.h"

namespace lx {

// The picture a value stands for: error 7 for a value that names none (the
// empty list among them), 70 for a file that cannot be read as a picture.
PixelBuffer pictureOf(const Value& value);

}  // namespace lx
