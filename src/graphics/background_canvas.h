// A cairo context on a surface's background bitmap, held together with the
// surface's drawing lock for its whole life: every drawing into the
// bitmap goes through one. Drawing is not anti-aliased, so that lines and
// fills hit whole pixels as the system's drawing always has, and flood
// fills find clean borders.
#pragma once

#include "graphics/gr_screen.h"

typedef struct _cairo cairo_t;

namespace lx {

class BackgroundCanvas {
 public:
  explicit BackgroundCanvas(tgrScreen& surface);
  // Ends the cairo drawing and makes the pixels readable directly.
  ~BackgroundCanvas();
  BackgroundCanvas(const BackgroundCanvas&) = delete;
  BackgroundCanvas& operator=(const BackgroundCanvas&) = delete;

  cairo_t* cr() const { return cr_; }
  tgrScreen& surface() const { return surface_; }
  // The bitmap for direct pixel work: cairo's drawing so far is flushed;
  // call pixelsChanged() afterwards.
  PixelBuffer& pixels();
  void pixelsChanged();

 private:
  tgrScreen& surface_;
  tgrScreen::DrawingLock lock_;
  cairo_t* cr_;
};

}  // namespace lx
