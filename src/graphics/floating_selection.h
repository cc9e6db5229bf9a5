// A picture that floats over a drawing until the user drops it: a press on
// it and a drag move it, a press anywhere else stamps it into the drawing
// where it stands. `createselection` cuts one out of a page's drawing,
// `createfileselection` loads one from a picture file. User-interface
// thread only, like the rest of the surface's mouse.
#pragma once

#include <cairo.h>

#include "graphics/gr_screen.h"
#include "graphics/logo_picture.h"
#include "platform/input_event.h"

namespace lx {

class FloatingSelection {
 public:
  FloatingSelection(PictureRef picture, PixelPoint at) : picture_(std::move(picture)), at_(at) {}

  PixelRect rect() const { return {at_.x, at_.y, picture_->width(), picture_->height()}; }

  enum class Outcome { Ignored, Taken, Dropped };
  // A mouse event on the surface, in its pixels. On Dropped the caller
  // stamps the selection and forgets it.
  Outcome mouse(const MouseEvent& event, tgrScreen& surface);

  void paint(cairo_t* canvas) const;
  // Draws the selection into the drawing where it stands.
  void stamp(tgrScreen& surface) const;

 private:
  PictureRef picture_;
  PixelPoint at_;
  bool dragging_ = false;
  PixelPoint grab_;  // where the selection was taken, from its corner
};

// Cuts `rect` (pixels) out of the drawing as a picture, filling the hole
// with the background colour; no picture when nothing of it lies on the
// drawing. `at` is the cut's upper-left corner.
struct CutPicture {
  PictureRef picture;
  PixelPoint at;
};
CutPicture cutSelection(tgrScreen& surface, const PixelRect& rect);

}  // namespace lx
