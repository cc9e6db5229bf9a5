// The older native image files (".LGW"): a 16-bit frame count, then one
// record a frame. A record starts with five 32-bit fields — the record's
// length from its start, the hot spot x and y, the lengths of the image and
// of the mask — followed by the image as a BMP file stream and, when the
// record is long enough to hold it, the mask as a BMP file stream (white
// where transparent). Each record is one frame of one cell.
#pragma once

#include <string_view>

#include "core/value.h"

namespace lx {

// The image of an ".LGW" file; BadPicture for a damaged or over-large one.
Value readLgw(std::string_view bytes);

}  // namespace lx
