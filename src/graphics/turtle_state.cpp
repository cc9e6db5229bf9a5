// The turtle's graphic state: registration, heading, shape, painting and
// hit testing.
#include "graphics/turtle_state.h"

#include <cairo.h>

#include "graphics/background_canvas.h"

namespace lx {

tLogoTurtleParams::tLogoTurtleParams(tgrScreen& surface, tmultiobject* object, GraphicKind kind)
    : surface_(&surface), object_(object), kind_(kind) {
  position_ = {static_cast<long double>(surface.width() / 2), static_cast<long double>(surface.height() / 2)};
  homePosition = position_;
  rect_ = shapeRectAt(shape_, roundedPixel(position_));
}

tLogoTurtleParams::~tLogoTurtleParams() {
  if (surface_ && registered_) surface_->unregisterGraphic(*this);
}

void tLogoTurtleParams::registerOnSurface() {
  if (!surface_ || registered_) return;
  surface_->registerGraphic(*this);
  registered_ = true;
  if (shown_) surface_->invalidateExact(rect_);
}

void tLogoTurtleParams::setHeading(long double heading) {
  const long double normal = normaliseHeading(heading);
  if (!surface_ || !shape_.followsHeading) {
    heading_ = normal;
    return;
  }
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    heading_ = normal;
  }
  if (shown_) surface_->invalidateExact(rect_);
}

void tLogoTurtleParams::placeAt(PointF pixel) {
  if (!surface_) {
    position_ = pixel;
    return;
  }
  PixelRect repaint;
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    position_ = pixel;
    repaint = updateRect();
  }
  surface_->invalidateExact(repaint);
}

PixelRect tLogoTurtleParams::updateRect() {
  const PixelRect old = rect_;
  rect_ = shapeRectAt(shape_, roundedPixel(position_));
  return shown_ ? unite(old, rect_) : PixelRect{};
}

void tLogoTurtleParams::setShown(bool shown) {
  if (shown == shown_) return;
  if (!surface_) {
    shown_ = shown;
    return;
  }
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    shown_ = shown;
  }
  surface_->invalidateExact(rect_);
}

SurfaceRange tLogoTurtleParams::boundary() const {
  if (range) return *range;
  return surface_ ? surface_->defaultRange() : SurfaceRange{};
}

void tLogoTurtleParams::paintOn(cairo_t* canvas) const {
  paintShape(canvas, shape_, rect_, heading_);
}

bool tLogoTurtleParams::hitTest(int x, int y) const {
  return shapeCovers(shape_, rect_, heading_, x, y);
}

void tLogoTurtleParams::mouseEvent(const GraphicMouse& event) {
  if (event.kind == GraphicMouseKind::Down)
    clickedAt = {static_cast<long double>(rect_.x + event.x) - position_.x,
                 position_.y - static_cast<long double>(rect_.y + event.y)};
  if (object_ && kind_ == GraphicKind::Ordinary) mouse_.handle(*object_, event, shape_.autoDrag);
}

void tLogoTurtleParams::surfaceGone() {
  surface_ = nullptr;
  registered_ = false;
  object_ = nullptr;
}

void tLogoTurtleParams::surfaceResized() {
  applyBoundary();
}

void tLogoTurtleParams::stamp() {
  if (!surface_) return;
  {
    BackgroundCanvas canvas(*surface_);
    cairo_t* cr = canvas.cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    paintShape(cr, shape_, rect_, heading_);
  }
  surface_->invalidateExact(rect_);
}

}  // namespace lx
