// Dragging, stepping and drawing a slider.
#include "controls/slider.h"

#include <cairo.h>

#include <algorithm>

#include "controls/control_painting.h"
#include "objects/container_object.h"

namespace lx {

TLogoSlider::TLogoSlider(tgrScreen& surface, tmultiobject& object)
    : tControlGraphic(surface, object, kDefaultSize), events_(object) {
  range_.set(0, 0, 100);
}

namespace {

bool made(tmultiobject* object) {
  auto* control = dynamic_cast<tControlObject*>(object);
  return control && control->created;
}

}  // namespace

void TLogoSlider::logoChange(bool changed) {
  if (!changed) return;
  repaint();
  if (!made(object())) return;
  events_.changed();
  events_.finished();
}

void TLogoSlider::setMin(int32_t min) {
  logoChange(range_.setMin(min));
}

void TLogoSlider::setMax(int32_t max) {
  logoChange(range_.setMax(max));
}

void TLogoSlider::setValue(int32_t value) {
  logoChange(range_.setValue(value));
}

// A slider turned across keeps its track the longer side.
void TLogoSlider::setVertical(bool vertical) {
  if (vertical == vertical_) return;
  vertical_ = vertical;
  const PixelPoint now = size();
  if ((vertical && now.x > now.y) || (!vertical && now.y > now.x)) resize(now.y, now.x);
  repaint();
}

void TLogoSlider::setThumbLength(int length) {
  thumbLength_ = length;
  repaint();
}

void TLogoSlider::setColour(Rgb colour) {
  colour_ = colour;
  repaint();
}

void TLogoSlider::setTransparent(bool transparent) {
  transparent_ = transparent;
  repaint();
}

void TLogoSlider::moveTo(int64_t position) {
  if (!range_.setPosition(position)) return;
  changedInPress_ = true;
  repaint();
  if (made(object())) events_.changed();
}

void TLogoSlider::pageToward(int at) {
  const double edge = thumbEdge();
  const int h = thumbLength_ / 2;
  if (at < edge) {
    moveTo(int64_t{range_.position()} - range_.page());
  } else if (at >= edge + h) {
    moveTo(int64_t{range_.position()} + range_.page());
  }
}

void TLogoSlider::mouse(const GraphicMouse& event) {
  if (range_.lo() == range_.hi()) return;
  switch (event.kind) {
    case GraphicMouseKind::Down: {
      if (event.button != MouseButton::Left) return;
      changedInPress_ = false;
      const double edge = thumbEdge();
      const int at = along(event);
      if (at >= edge && at < edge + thumbLength_ / 2) {
        dragging_ = true;
        grab_ = at - edge;
      } else {
        paging_ = true;
        pageToward(at);
      }
      repaint();
      break;
    }
    case GraphicMouseKind::Move:
      if (!(event.held & kLeftButton)) return;
      if (dragging_) moveTo(range_.positionAt(along(event) - grab_, trackLength(), thumbLength_));
      if (paging_) pageToward(along(event));
      break;
    case GraphicMouseKind::Up:
      if (event.button != MouseButton::Left) return;
      dragging_ = paging_ = false;
      repaint();
      if (std::exchange(changedInPress_, false) && made(object())) events_.finished();
      break;
    default:
      break;
  }
}

bool TLogoSlider::key(const KeyEvent& event) {
  if (event.modifiers & (kCtrl | kAlt)) return false;
  const int64_t p = range_.position();
  int64_t to = p;
  switch (event.key) {
    case Key::Left:
    case Key::Up:
      to = p - 1;
      break;
    case Key::Right:
    case Key::Down:
      to = p + 1;
      break;
    case Key::PageUp:
      to = p - range_.page();
      break;
    case Key::PageDown:
      to = p + range_.page();
      break;
    case Key::Home:
      to = range_.lo();
      break;
    case Key::End:
      to = range_.hi();
      break;
    default:
      return false;
  }
  if (event.action == KeyAction::Down) {
    moveTo(to);
  } else if (std::exchange(changedInPress_, false) && made(object())) {
    events_.finished();
  }
  return true;
}

// The track runs along the middle; the part from the low end to the thumb
// is filled with the accent colour, the thumb is a rounded knob.
void TLogoSlider::draw(cairo_t* canvas) const {
  const int width = size().x;
  const int height = size().y;
  if (!transparent_) {
    lx::setColour(canvas, colour_);
    cairo_rectangle(canvas, 0, 0, width, height);
    cairo_fill(canvas);
  }
  const int length = trackLength();
  const int across = vertical_ ? width : height;
  const int h = std::max(thumbLength_ / 2, 4);
  const int e = h / 2;
  const double edge = thumbEdge();
  const double middle = across / 2.0;
  const bool active = enabled() && range_.lo() != range_.hi();
  auto box = [&](double start, double extent, double crossStart, double crossExtent) {
    if (vertical_) {
      roundedRectangle(canvas, crossStart, start, crossExtent, extent, std::min(crossExtent, extent) / 2);
    } else {
      roundedRectangle(canvas, start, crossStart, extent, crossExtent, std::min(crossExtent, extent) / 2);
    }
  };
  box(e + 2, length - 2 * e - 4, middle - 2, 4);
  lx::setColour(canvas, look::kBorder);
  cairo_fill(canvas);
  if (active) {
    box(e + 2, std::max(edge + h / 2.0 - e - 2, 0.0), middle - 2, 4);
    lx::setColour(canvas, look::kAccent);
    cairo_fill(canvas);
  }
  const double thumbAcross = std::min<double>(std::max(thumbLength_, 6), across - 2);
  box(edge + 0.5, h - 1, middle - thumbAcross / 2 + 0.5, thumbAcross - 1);
  lx::setColour(canvas, !active ? look::kFaceDisabled : dragging_ ? look::kFacePressed : kWhite);
  cairo_fill_preserve(canvas);
  lx::setColour(canvas, !active                    ? look::kBorder
                        : (hovered() || dragging_) ? look::kAccent
                                                   : look::kBorderHover);
  cairo_set_line_width(canvas, 1);
  cairo_stroke(canvas);
  if (focused()) drawFocusRing(canvas, width, height);
}

}  // namespace lx
