// Pictures that pages and turtles draw (`loadbgpicture`, `bgPicture`,
// `putpicture`, `stamppicture`): an image value, or a word naming a picture
// file of any kind that images are loaded from.
#pragma once

#include "core/value.h"
#include "graphics/logo_picture.h"
#include "platform/pixel_buffer.h"

namespace lx {

// The first cell of the image a value stands for: error 7 for a value that
// is neither (the empty list among them) or an image without cells, the
// loading errors for a name.
PictureRef pictureOf(const Value& value);
// The same picture laid on white, for drawings that have no transparency.
PixelBuffer pictureBufferOf(const Value& value);

}  // namespace lx
