// Mouse dispatch and interactive drawing on a surface.
#include "graphics/surface_mouse.h"

#include <cairo.h>

#include <chrono>
#include <cmath>

#include "graphics/background_shapes.h"
#include "values/random.h"

namespace lx {
namespace {

constexpr auto kSprayInterval = std::chrono::milliseconds(55);
constexpr auto kWaitSlice = std::chrono::milliseconds(20);

PixelRect spannedRect(PixelPoint a, PixelPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

}  // namespace

SurfaceMouse::SurfaceMouse(tgrScreen& surface, UiThread& ui) : surface_(surface), ui_(ui) {
  surface_.window().setInputHandler([this](const InputEvent& event) { onInput(event); });
  surface_.setOverlayPainter([this](cairo_t* canvas, const PixelRect&) { paintDrawing(canvas); });
}

SurfaceMouse::~SurfaceMouse() {
  surface_.window().setInputHandler(nullptr);
  surface_.setOverlayPainter(nullptr);
  if (sprayTimer_) ui_.killTimer(sprayTimer_);
}

MouseMode SurfaceMouse::mode() const {
  std::lock_guard lock(mutex_);
  return mode_;
}

void SurfaceMouse::onInput(const InputEvent& event) {
  const auto* mouse = std::get_if<MouseEvent>(&event);
  if (!mouse) return;
  if (mode() != MouseMode::Normal) {
    drawingMouse(*mouse);
  } else {
    normalMouse(*mouse);
  }
}

// --- Dispatch to graphics and the owner ---

void SurfaceMouse::dispatch(tSurfaceGraphic& graphic, GraphicMouseKind kind, const MouseEvent& event) {
  const PixelRect rect = graphic.graphicRect();
  graphic.mouseEvent({kind, event.x - rect.x, event.y - rect.y, event.button,
                      surface_.window().mouseState().buttons, event.modifiers, event.clicks});
}

void SurfaceMouse::toOwner(GraphicMouseKind kind, const MouseEvent& event) {
  if (owner_)
    owner_({kind, event.x, event.y, event.button, surface_.window().mouseState().buttons, event.modifiers,
            event.clicks});
}

// The graphics are held under the drawing lock while they are told, so
// none of them can leave the surface in the middle of a notification.
void SurfaceMouse::normalMouse(const MouseEvent& event) {
  auto drawing = surface_.lockDrawing();
  tSurfaceGraphic* captured = surface_.capturedGraphic();
  switch (event.action) {
    case MouseAction::Down: {
      tSurfaceGraphic* hit = editMode_ ? nullptr : surface_.graphicAt(event.x, event.y);
      surface_.setCapturedGraphic(hit);
      if (hit) {
        dispatch(*hit, GraphicMouseKind::Down, event);
      } else {
        toOwner(GraphicMouseKind::Down, event);
      }
      break;
    }
    case MouseAction::Move:
      if (captured && surface_.window().mouseState().buttons != kNoButtons) {
        dispatch(*captured, GraphicMouseKind::Move, event);
        break;
      }
      updateHot(event);
      if (tSurfaceGraphic* hot = surface_.hotGraphic()) {
        dispatch(*hot, GraphicMouseKind::Move, event);
      } else {
        toOwner(GraphicMouseKind::Move, event);
      }
      break;
    case MouseAction::Up:
      if (!captured) {
        toOwner(GraphicMouseKind::Up, event);
        toOwner(GraphicMouseKind::Click, event);
        break;
      }
      dispatch(*captured, GraphicMouseKind::Up, event);
      if (surface_.capturedGraphic() == captured && surface_.graphicAt(event.x, event.y) == captured)
        dispatch(*captured, GraphicMouseKind::Click, event);
      if (surface_.window().mouseState().buttons == kNoButtons) surface_.setCapturedGraphic(nullptr);
      break;
  }
}

void SurfaceMouse::updateHot(const MouseEvent& event) {
  if (surface_.window().hasMouseCapture()) return;
  tSurfaceGraphic* before = surface_.hotGraphic();
  tSurfaceGraphic* now = surface_.graphicAt(event.x, event.y);
  if (now == before) return;
  surface_.setHotGraphic(now);
  if (before) dispatch(*before, GraphicMouseKind::Leave, event);
  if (now) dispatch(*now, GraphicMouseKind::Enter, event);
}

void SurfaceMouse::recheckHot() {
  ui_.post([this, window = surface_.window().weak_from_this()] {
    if (window.expired() || mode() != MouseMode::Normal) return;
    const MouseState state = surface_.window().mouseState();
    auto drawing = surface_.lockDrawing();
    updateHot({MouseAction::Move, state.x, state.y, MouseButton::None, 1, state.modifiers});
  });
}

// --- Interactive drawing ---

std::optional<DragResult> SurfaceMouse::runDrawing(MouseMode mode, const std::function<void()>& keepWaiting) {
  {
    std::lock_guard lock(mutex_);
    if (mode_ != MouseMode::Normal) return std::nullopt;
  }
  ui_.runOnUiThread([&] { begin(mode); });
  if (ui_.isCurrent()) {
    ui_.runUntil([&] {
      if (keepWaiting) keepWaiting();
      return this->mode() == MouseMode::Normal;
    });
  } else {
    std::unique_lock lock(mutex_);
    while (mode_ != MouseMode::Normal) {
      ended_.wait_for(lock, kWaitSlice);
      if (keepWaiting && mode_ != MouseMode::Normal) {
        lock.unlock();
        keepWaiting();
        lock.lock();
      }
    }
  }
  std::lock_guard lock(mutex_);
  return DragResult{dragStart_, dragEnd_};
}

void SurfaceMouse::begin(MouseMode mode) {
  const MouseState state = surface_.window().mouseState();
  std::lock_guard lock(mutex_);
  mode_ = mode;
  buttonDown_ = (state.buttons & kLeftButton) != 0;
  dragStart_ = dragEnd_ = {state.x, state.y};
  freehand_.assign(1, dragStart_);
  if (mode == MouseMode::Spray)
    sprayTimer_ = ui_.setTimer(kSprayInterval, TimerRepeat::Repeating, [this] { sprayTick(); });
}

void SurfaceMouse::drawingMouse(const MouseEvent& event) {
  const PixelPoint at{event.x, event.y};
  if (event.action == MouseAction::Down && event.button == MouseButton::Right) {
    if (mode() != MouseMode::Freehand) cancel();
    return;
  }
  {
    std::lock_guard lock(mutex_);
    if (event.action == MouseAction::Down && event.button == MouseButton::Left) {
      buttonDown_ = true;
      dragStart_ = dragEnd_ = at;
      freehand_.assign(1, at);
    } else if (event.action == MouseAction::Move && buttonDown_) {
      dragEnd_ = mode_ == MouseMode::Line ? snapped(at, event.modifiers) : at;
      if (mode_ == MouseMode::Freehand) freehand_.push_back(at);
    }
  }
  if (event.action == MouseAction::Up && event.button == MouseButton::Left) {
    finish();
  } else {
    surface_.invalidateAll();
  }
}

// With Shift held a line snaps to horizontal, a 45-degree diagonal or
// vertical, whichever its direction is nearest.
PixelPoint SurfaceMouse::snapped(PixelPoint end, Modifiers modifiers) const {
  if (!(modifiers & kShift)) return end;
  const int dx = end.x - dragStart_.x;
  const int dy = end.y - dragStart_.y;
  if (dx == 0) return {dragStart_.x, end.y};
  const double angle = std::fabs(std::atan(double(dy) / dx));
  if (angle <= M_PI / 8) return {end.x, dragStart_.y};
  if (angle > 3 * M_PI / 8) return {dragStart_.x, end.y};
  const int leg = static_cast<int>(std::lround(std::sqrt((double(dx) * dx + double(dy) * dy) / 2)));
  return {dragStart_.x + (dx < 0 ? -leg : leg), dragStart_.y + (dy < 0 ? -leg : leg)};
}

void SurfaceMouse::finish() {
  MouseMode mode;
  DragResult drag;
  std::vector<PixelPoint> points;
  {
    std::lock_guard lock(mutex_);
    mode = mode_;
    drag = {dragStart_, dragEnd_};
    points = freehand_;
  }
  const PixelRect rect = spannedRect(drag.start, drag.end);
  switch (mode) {
    case MouseMode::Freehand:
      drawPolyline(surface_, points);
      break;
    case MouseMode::Line:
      if (!drag.empty()) drawLine(surface_, asPointF(drag.start), asPointF(drag.end));
      break;
    case MouseMode::FilledRectangle:
      drawRectangle(surface_, rect, Filling::Filled);
      break;
    case MouseMode::Rectangle:
      drawRectangle(surface_, rect, Filling::Outline);
      break;
    case MouseMode::FilledEllipse:
      drawEllipse(surface_, rect, Filling::Filled);
      break;
    case MouseMode::Ellipse:
      drawEllipse(surface_, rect, Filling::Outline);
      break;
    default:
      break;
  }
  cancelTimerAndEnd();
}

void SurfaceMouse::cancel() {
  {
    std::lock_guard lock(mutex_);
    dragEnd_ = dragStart_;
  }
  cancelTimerAndEnd();
}

void SurfaceMouse::cancelTimerAndEnd() {
  if (sprayTimer_) ui_.killTimer(std::exchange(sprayTimer_, 0));
  {
    std::lock_guard lock(mutex_);
    mode_ = MouseMode::Normal;
    buttonDown_ = false;
    freehand_.clear();
  }
  ended_.notify_all();
  surface_.invalidateAll();
  ui_.wake();
}

// n = w^2 / 4 dots for a pen wider than 2, else w^2, within radius w.
void SurfaceMouse::sprayTick() {
  PixelPoint at;
  {
    std::lock_guard lock(mutex_);
    if (!buttonDown_) return;
    at = dragEnd_;
  }
  const int width = std::max(surface_.linePen().width, 1);
  drawDots(surface_, at, width > 2 ? width * width / 4 : width * width, width);
}

// The drawing in progress, shown over the surface until it is finished.
void SurfaceMouse::paintDrawing(cairo_t* cr) const {
  std::lock_guard lock(mutex_);
  if (mode_ == MouseMode::Normal || mode_ == MouseMode::Spray || !buttonDown_) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  Pen pen = surface_.linePen();
  if (!applyPen(cr, pen)) return;
  const PixelRect rect = spannedRect(dragStart_, dragEnd_);
  switch (mode_) {
    case MouseMode::Freehand:
      cairo_move_to(cr, freehand_.front().x + 0.5, freehand_.front().y + 0.5);
      for (const PixelPoint& p : freehand_) cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
      break;
    case MouseMode::Line:
      cairo_move_to(cr, dragStart_.x + 0.5, dragStart_.y + 0.5);
      cairo_line_to(cr, dragEnd_.x + 0.5, dragEnd_.y + 0.5);
      break;
    case MouseMode::FilledEllipse:
    case MouseMode::Ellipse:
      cairo_save(cr);
      cairo_translate(cr, rect.x + rect.width / 2.0, rect.y + rect.height / 2.0);
      cairo_scale(cr, std::max(rect.width / 2.0, 0.5), std::max(rect.height / 2.0, 0.5));
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      break;
    default:
      cairo_rectangle(cr, rect.x + 0.5, rect.y + 0.5, rect.width, rect.height);
      break;
  }
  cairo_stroke(cr);
}

}  // namespace lx
