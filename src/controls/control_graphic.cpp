// The rectangle, state and input of a control drawn on a page.
#include "controls/control_graphic.h"

#include <cairo.h>

#include <algorithm>

#include "controls/control_focus.h"

namespace lx {

tControlGraphic::tControlGraphic(tgrScreen& surface, tmultiobject& object, PixelPoint size)
    : surface_(&surface), object_(&object), rect_{0, 0, std::max(size.x, 1), std::max(size.y, 1)} {}

tControlGraphic::~tControlGraphic() {
  leaveSurface();
}

void tControlGraphic::leaveSurface() {
  controlGone(*this);
  if (surface_ && registered_) surface_->unregisterGraphic(*this);
  registered_ = false;
  leftSurface();
}

void tControlGraphic::registerOnSurface() {
  if (!surface_ || registered_) return;
  surface_->registerGraphic(*this);
  registered_ = true;
  controlMade(*this);
  repaint();
}

PixelRect tControlGraphic::paintedArea() const {
  return {rect_.x - kRingRoom, rect_.y - kRingRoom, rect_.width + 2 * kRingRoom,
          rect_.height + 2 * kRingRoom};
}

void tControlGraphic::repaint() {
  if (surface_) surface_->invalidateExact(paintedArea());
}

void tControlGraphic::moveTo(PixelPoint position) {
  if (position.x == rect_.x && position.y == rect_.y) return;
  repaint();
  {
    auto drawing = surface_ ? surface_->lockDrawing() : tgrScreen::DrawingLock();
    rect_.x = position.x;
    rect_.y = position.y;
  }
  repaint();
  placeChanged();
}

void tControlGraphic::resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == rect_.width && height == rect_.height) return;
  repaint();
  {
    auto drawing = surface_ ? surface_->lockDrawing() : tgrScreen::DrawingLock();
    rect_.width = width;
    rect_.height = height;
  }
  geometryChanged();
  repaint();
}

void tControlGraphic::setShown(bool shown) {
  if (shown == shown_) return;
  {
    auto drawing = surface_ ? surface_->lockDrawing() : tgrScreen::DrawingLock();
    shown_ = shown;
  }
  if (!shown && focused()) setFocusedControl(nullptr);
  repaint();
  placeChanged();
}

void tControlGraphic::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled && focused()) setFocusedControl(nullptr);
  geometryChanged();
  repaint();
}

bool tControlGraphic::focused() const {
  return focusedControl() == this;
}

void tControlGraphic::takeFocus() {
  if (focusable() && !focused()) setFocusedControl(this);
}

void tControlGraphic::paintOn(cairo_t* canvas) const {
  cairo_save(canvas);
  cairo_translate(canvas, rect_.x, rect_.y);
  draw(canvas);
  cairo_restore(canvas);
}

// Hovering and the focus first, then the control's own reaction, then the
// Logo events every object on a page has (`onClick`, `onMouseEnter`...).
void tControlGraphic::mouseEvent(const GraphicMouse& event) {
  if (!object_) return;
  if (event.kind == GraphicMouseKind::Enter || event.kind == GraphicMouseKind::Leave) {
    hovered_ = event.kind == GraphicMouseKind::Enter;
    repaint();
  }
  if (moving_ && moveWithMouse(event)) {
    // The Logo events are still raised below.
  } else if (enabled_) {
    if (event.kind == GraphicMouseKind::Down && event.button == MouseButton::Left && focusOnPress())
      takeFocus();
    mouse(event);
  }
  if (object_) logoMouse_.handle(*object_, event, false);
}

void tControlGraphic::startMove() {
  if (!surface_) return;
  const MouseState mouse = surface_->window().mouseState();
  grab_ = {mouse.x - rect_.x, mouse.y - rect_.y};
  moving_ = true;
}

// The release ends the move; the control still hears it, so that a button
// held down by the press comes up again.
bool tControlGraphic::moveWithMouse(const GraphicMouse& event) {
  switch (event.kind) {
    case GraphicMouseKind::Move:
      moveTo({rect_.x + event.x - grab_.x, rect_.y + event.y - grab_.y});
      return true;
    case GraphicMouseKind::Up:
      moveTo({rect_.x + event.x - grab_.x, rect_.y + event.y - grab_.y});
      moving_ = false;
      if (enabled_) mouse(event);
      return true;
    case GraphicMouseKind::Click:
      return true;
    default:
      return false;
  }
}

void tControlGraphic::surfaceGone() {
  controlGone(*this);
  surface_ = nullptr;
  registered_ = false;
  object_ = nullptr;
}

}  // namespace lx
