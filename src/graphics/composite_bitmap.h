// The one off-screen picture that every surface composes its paints in:
// background and turtles meet here before the result goes to the window.
// Made 796 x 499 at first use and enlarged (never shrunk) whenever a paint
// reaches beyond it. User-interface thread only.
#pragma once

#include "platform/pixel_buffer.h"

namespace lx {

// The composite picture, at least large enough to hold `rect`.
PixelBuffer& compositeBitmap(const PixelRect& rect);

}  // namespace lx
