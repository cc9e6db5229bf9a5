// Drawing into a surface's background bitmap under its lock.
#include "graphics/background_canvas.h"

#include <cairo.h>

namespace lx {

BackgroundCanvas::BackgroundCanvas(tgrScreen& surface)
    : surface_(surface), lock_(surface.lockDrawing()), cr_(cairo_create(surface.bitmap().cairoSurface())) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

BackgroundCanvas::~BackgroundCanvas() {
  cairo_destroy(cr_);
  surface_.bitmap().flush();
}

PixelBuffer& BackgroundCanvas::pixels() {
  surface_.bitmap().flush();
  return surface_.bitmap();
}

void BackgroundCanvas::pixelsChanged() {
  surface_.bitmap().markDirty();
}

}  // namespace lx
