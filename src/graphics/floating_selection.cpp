// A floating selection over a drawing.
#include "graphics/floating_selection.h"

#include "graphics/background_canvas.h"

namespace lx {
namespace {

bool inside(const PixelRect& rect, int x, int y) {
  return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
}

}  // namespace

FloatingSelection::Outcome FloatingSelection::mouse(const MouseEvent& event, tgrScreen& surface) {
  switch (event.action) {
    case MouseAction::Down:
      if (event.button != MouseButton::Left || !inside(rect(), event.x, event.y)) return Outcome::Dropped;
      dragging_ = true;
      grab_ = {event.x - at_.x, event.y - at_.y};
      return Outcome::Taken;
    case MouseAction::Move: {
      if (!dragging_) return Outcome::Ignored;
      const PixelRect before = rect();
      at_ = {event.x - grab_.x, event.y - grab_.y};
      surface.invalidateExact(before);
      surface.invalidateExact(rect());
      return Outcome::Taken;
    }
    case MouseAction::Up:
      if (!dragging_) return Outcome::Ignored;
      dragging_ = false;
      return Outcome::Taken;
    case MouseAction::Leave:
      return dragging_ ? Outcome::Taken : Outcome::Ignored;
  }
  return Outcome::Ignored;
}

void FloatingSelection::paint(cairo_t* canvas) const {
  cairo_save(canvas);
  cairo_set_source_surface(canvas, picture_->surface(), at_.x, at_.y);
  cairo_paint(canvas);
  // A dashed frame tells the floating picture from the drawing under it.
  const double dash[] = {4.0, 3.0};
  cairo_set_dash(canvas, dash, 2, 0);
  cairo_set_line_width(canvas, 1);
  cairo_set_source_rgb(canvas, 0.2, 0.2, 0.2);
  cairo_rectangle(canvas, at_.x + 0.5, at_.y + 0.5, picture_->width() - 1, picture_->height() - 1);
  cairo_stroke(canvas);
  cairo_restore(canvas);
}

void FloatingSelection::stamp(tgrScreen& surface) const {
  {
    BackgroundCanvas drawing(surface);
    cairo_set_source_surface(drawing.cr(), picture_->surface(), at_.x, at_.y);
    cairo_paint(drawing.cr());
  }
  surface.invalidateExact(rect());
}

CutPicture cutSelection(tgrScreen& surface, const PixelRect& rect) {
  std::unique_ptr<tLogoPicture> picture;
  PixelRect cut;
  {
    BackgroundCanvas drawing(surface);
    cut = intersect(rect, surface.bitmap().bounds());
    if (cut.isEmpty() || !pictureSizeAllowed(cut.width, cut.height)) return {};
    picture = pictureFromBuffer(drawing.pixels(), cut);
    setSourceColour(drawing.cr(), surface.backgroundColour());
    cairo_rectangle(drawing.cr(), cut.x, cut.y, cut.width, cut.height);
    cairo_fill(drawing.cr());
  }
  surface.invalidateExact(cut);
  return {sharePicture(std::move(picture)), {cut.x, cut.y}};
}

}  // namespace lx
