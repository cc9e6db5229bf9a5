// The turtle's graphic state: registration, heading, shape, painting and
// hit testing.
#include "graphics/turtle_state.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "graphics/background_canvas.h"
#include "graphics/shape_animator.h"

namespace lx {

tLogoTurtleParams::tLogoTurtleParams(tgrScreen& surface, tmultiobject* object, GraphicKind kind)
    : surface_(&surface), object_(object), kind_(kind) {
  position_ = {static_cast<long double>(surface.width() / 2), static_cast<long double>(surface.height() / 2)};
  homePosition = position_;
  rect_ = shapeRectAt(shape_, roundedPixel(position_), heading_);
}

tLogoTurtleParams::~tLogoTurtleParams() {
  cancelShape(*this);
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
  PixelRect repaint;
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    heading_ = normal;
    // Another frame may show, with another size or hot spot.
    repaint = updateRect();
  }
  surface_->invalidateExact(repaint);
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
  rect_ = shapeRectAt(shape_, roundedPixel(position_), heading_);
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

int tLogoTurtleParams::shownCellNumber() const {
  if (!surface_) return shape_.animationFrame;
  tgrScreen::DrawingLock held = surface_->lockDrawing();
  return shape_.animationFrame;
}

namespace {

// How long a cell is shown, with the shape's delay scale.
uint64_t cellDelay(const TurtleShape& shape, int delay) {
  const long double scaled = delay * std::max(shape.delayScale, 0.0L);
  const long double most = 24.0L * 3600 * 1000;
  return std::max(static_cast<uint64_t>(std::min(scaled, most)), kLeastCellDelay);
}

}  // namespace

const void* tLogoTurtleParams::animationPage() const {
  const tgrScreen* surface = surface_;
  while (surface && surface->parent()) surface = surface->parent();
  return surface;
}

void tLogoTurtleParams::animationChanged(bool restart) {
  if (!surface_) return;
  bool animate;
  uint64_t delay;
  {
    // The animation thread moves the cell under this lock.
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    animate = shape_.animation && shownCellCount(shape_, heading_) >= 2;
    delay = cellDelay(shape_, shownCellDelay(shape_, heading_));
  }
  if (!animate) {
    cancelShape(*this);
    return;
  }
  if (!restart && shapeScheduled(*this)) return;
  scheduleShape(*this, delay);
}

// cell := (cell + 1) mod count; a non-looping image stops at its last cell.
std::optional<uint64_t> tLogoTurtleParams::advanceCell() {
  if (!surface_) return std::nullopt;
  std::optional<uint64_t> next;
  PixelRect repaint;
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    const size_t count = shownCellCount(shape_, heading_);
    if (!shape_.animation || count < 2) return std::nullopt;
    const size_t cell = static_cast<size_t>(std::max(shape_.animationFrame, 1)) % count;
    shape_.animationFrame = static_cast<int>(cell) + 1;
    if (cell + 1 < count || shapeLoops(shape_)) next = cellDelay(shape_, shownCellDelay(shape_, heading_));
    repaint = updateRect();
  }
  surface_->invalidateExact(repaint);
  return next;
}

}  // namespace lx
