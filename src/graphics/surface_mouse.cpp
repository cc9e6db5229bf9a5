// Mouse dispatch and interactive drawing on a surface.
#include "graphics/surface_mouse.h"

#include <cairo.h>

#include <chrono>
#include <cmath>

#include "graphics/background_shapes.h"
#include "interp/scheduler.h"
#include "objects/multi_object.h"
#include "values/random.h"

namespace lx {
namespace {

constexpr auto kSprayInterval = std::chrono::milliseconds(55);
constexpr auto kWaitSlice = std::chrono::milliseconds(20);
constexpr int kHintProperty = 8;  // `hint`

PixelRect spannedRect(PixelPoint a, PixelPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

}  // namespace

SurfaceMouse::SurfaceMouse(tgrScreen& surface, UiThread& ui) : surface_(surface), ui_(ui), hint_(ui) {
  surface_.window().setInputHandler([this](const InputEvent& event) { onInput(event); });
  surface_.setOverlayPainter([this](cairo_t* canvas, const PixelRect&) {
    if (selection_) selection_->paint(canvas);
    paintDrawing(canvas);
  });
}

SurfaceMouse::~SurfaceMouse() {
  surface_.window().setInputHandler(nullptr);
  surface_.setOverlayPainter(nullptr);
  if (sprayTimer_) ui_.killTimer(sprayTimer_);
  // A process still waiting for a drawing gets what there is.
  {
    std::lock_guard lock(drawing_->mutex);
    drawing_->mode = MouseMode::Normal;
  }
  drawing_->ended.notify_all();
  ui_.wake();
}

MouseMode SurfaceMouse::mode() const {
  std::lock_guard lock(drawing_->mutex);
  return drawing_->mode;
}

// What the graphics and the owner are told raises Logo events, which takes
// the interpreter lock. It is taken before the drawing lock, in the order
// Logo processes take the two (they hold the interpreter lock while they
// draw). While this thread waits for it, it serves hand-overs, and one of
// them may take this surface away: `alive` tells.
void SurfaceMouse::onInput(const InputEvent& event) {
  const auto* mouse = std::get_if<MouseEvent>(&event);
  if (!mouse) return;
  if (mode() != MouseMode::Normal) {
    hint_.pointerGone();
    if (mouse->action != MouseAction::Leave) drawingMouse(*mouse);
    return;
  }
  if (selectionMouse(*mouse)) return;
  const std::weak_ptr<bool> alive = alive_;
  InterpreterLockScope logo;
  if (alive.expired()) return;
  if (passedToChild(*mouse)) {
    hint_.pointerGone();  // the child shows its own graphics' hints
  } else {
    normalMouse(*mouse);
  }
}

bool SurfaceMouse::passedToChild(const MouseEvent& event) {
  std::shared_ptr<PlatformWindow> child = pressedChild_.lock();
  PixelPoint position = pressedChildPosition_;
  if (!child && childFinder_ && event.action != MouseAction::Leave) {
    const Child found = childFinder_(event.x, event.y);
    if (found.window) {
      child = found.window->shared_from_this();
      position = found.position;
    }
  }
  // The child the pointer was over before learns that it has left.
  if (auto before = hoverChild_.lock(); before && before != child) {
    const MouseState last = before->mouseState();
    before->deliverNow(MouseEvent{MouseAction::Leave, last.x, last.y, MouseButton::None, 1, event.modifiers});
  }
  hoverChild_ = child;
  if (!child) return false;
  if (event.action == MouseAction::Down) {
    pressedChild_ = child;
    pressedChildPosition_ = position;
  }
  if (event.action == MouseAction::Up && surface_.window().mouseState().buttons == kNoButtons)
    pressedChild_.reset();
  MouseEvent inChild = event;
  inChild.x -= position.x;
  inChild.y -= position.y;
  child->deliverNow(inChild);
  return true;
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
// The caller holds the interpreter lock (see onInput).
void SurfaceMouse::normalMouse(const MouseEvent& event) {
  auto drawing = surface_.lockDrawing();
  tSurfaceGraphic* captured = surface_.capturedGraphic();
  switch (event.action) {
    case MouseAction::Down: {
      hint_.dismiss();
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
      trackHint({event.x, event.y});
      if (tSurfaceGraphic* hot = surface_.hotGraphic()) {
        dispatch(*hot, GraphicMouseKind::Move, event);
      } else {
        toOwner(GraphicMouseKind::Move, event);
      }
      break;
    case MouseAction::Up:
      // The click comes before the release, so that a control busy with its
      // click keeps the release for later (see ControlMouse).
      if (!captured) {
        toOwner(GraphicMouseKind::Click, event);
        toOwner(GraphicMouseKind::Up, event);
        break;
      }
      if (surface_.graphicAt(event.x, event.y) == captured)
        dispatch(*captured, GraphicMouseKind::Click, event);
      dispatch(*captured, GraphicMouseKind::Up, event);
      if (surface_.window().mouseState().buttons == kNoButtons) surface_.setCapturedGraphic(nullptr);
      break;
    case MouseAction::Leave:
      // A drag goes on outside; otherwise nothing is under the pointer now.
      hint_.pointerGone();
      if (captured && surface_.window().mouseState().buttons != kNoButtons) break;
      updateHot(event);
      break;
  }
}

void SurfaceMouse::updateHot(const MouseEvent& event) {
  if (surface_.window().hasMouseCapture()) return;
  tSurfaceGraphic* before = surface_.hotGraphic();
  tSurfaceGraphic* now = event.action == MouseAction::Leave ? nullptr : surface_.graphicAt(event.x, event.y);
  if (now == before) return;
  surface_.setHotGraphic(now);
  if (before) dispatch(*before, GraphicMouseKind::Leave, event);
  if (now) dispatch(*now, GraphicMouseKind::Enter, event);
}

void SurfaceMouse::recheckHot() {
  ui_.post([this, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.expired() || mode() != MouseMode::Normal) return;
    InterpreterLockScope logo;
    if (alive.expired()) return;
    const MouseState state = surface_.window().mouseState();
    auto drawing = surface_.lockDrawing();
    const MouseAction action = state.outside ? MouseAction::Leave : MouseAction::Move;
    updateHot({action, state.x, state.y, MouseButton::None, 1, state.modifiers});
    if (!state.outside && state.buttons == kNoButtons) trackHint({state.x, state.y});
  });
}

// The hint of the graphic under the pointer, read under the interpreter
// lock (the caller holds it). Only turtles have one; the tooltip shows over
// the outermost surface, so a pane's point is made one of its page.
void SurfaceMouse::trackHint(PixelPoint at) {
  tSurfaceGraphic* hot = surface_.hotGraphic();
  std::string text;
  if (tmultiobject* object = hot ? hot->graphicObject() : nullptr) {
    if (Value hint = object->storedProperty(kHintProperty)) text = hint->printText(0);
  }
  tgrScreen* outer = &surface_;
  while (tgrScreen* parent = outer->parent()) {
    at = {at.x + outer->positionInParent().x, at.y + outer->positionInParent().y};
    outer = parent;
  }
  hint_.pointerOver(hot, text, outer->window(), at);
}

// --- The floating selection ---

void SurfaceMouse::floatSelection(PictureRef picture, PixelPoint at) {
  ui_.runOnUiThread([&] {
    dropSelection();
    auto drawing = surface_.lockDrawing();
    selection_.emplace(std::move(picture), at);
    surface_.invalidateExact(selection_->rect());
  });
}

std::optional<PixelRect> SurfaceMouse::selectionRect() const {
  auto drawing = surface_.lockDrawing();
  if (!selection_) return std::nullopt;
  return selection_->rect();
}

bool SurfaceMouse::selectionMouse(const MouseEvent& event) {
  if (!selection_) return false;
  auto drawing = surface_.lockDrawing();
  switch (selection_->mouse(event, surface_)) {
    case FloatingSelection::Outcome::Ignored: return false;
    case FloatingSelection::Outcome::Taken: return true;
    case FloatingSelection::Outcome::Dropped: dropSelection(); return true;
  }
  return false;
}

void SurfaceMouse::dropSelection() {
  auto drawing = surface_.lockDrawing();
  if (!selection_) return;
  selection_->stamp(surface_);
  selection_.reset();
}

// --- Interactive drawing ---

std::optional<DragResult> SurfaceMouse::runDrawing(MouseMode mode, const std::function<void()>& keepWaiting) {
  const std::shared_ptr<Drawing> drawing = drawing_;
  {
    std::lock_guard lock(drawing->mutex);
    if (drawing->mode != MouseMode::Normal) return std::nullopt;
  }
  ui_.runOnUiThread([&] { begin(mode); });
  auto over = [&drawing] {
    std::lock_guard lock(drawing->mutex);
    return drawing->mode == MouseMode::Normal;
  };
  if (ui_.isCurrent()) {
    ui_.runUntil([&] {
      if (keepWaiting) keepWaiting();
      return over();
    });
  } else {
    std::unique_lock lock(drawing->mutex);
    while (drawing->mode != MouseMode::Normal) {
      drawing->ended.wait_for(lock, kWaitSlice);
      if (keepWaiting && drawing->mode != MouseMode::Normal) {
        lock.unlock();
        keepWaiting();
        lock.lock();
      }
    }
  }
  std::lock_guard lock(drawing->mutex);
  return DragResult{drawing->start, drawing->end};
}

void SurfaceMouse::begin(MouseMode mode) {
  const MouseState state = surface_.window().mouseState();
  std::lock_guard lock(drawing_->mutex);
  drawing_->mode = mode;
  drawing_->buttonDown = (state.buttons & kLeftButton) != 0;
  drawing_->start = drawing_->end = {state.x, state.y};
  drawing_->freehand.assign(1, drawing_->start);
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
    std::lock_guard lock(drawing_->mutex);
    if (event.action == MouseAction::Down && event.button == MouseButton::Left) {
      drawing_->buttonDown = true;
      drawing_->start = drawing_->end = at;
      drawing_->freehand.assign(1, at);
    } else if (event.action == MouseAction::Move && drawing_->buttonDown) {
      drawing_->end = drawing_->mode == MouseMode::Line ? snapped(at, event.modifiers) : at;
      if (drawing_->mode == MouseMode::Freehand) drawing_->freehand.push_back(at);
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
  const int dx = end.x - drawing_->start.x;
  const int dy = end.y - drawing_->start.y;
  if (dx == 0) return {drawing_->start.x, end.y};
  const double angle = std::fabs(std::atan(double(dy) / dx));
  if (angle <= M_PI / 8) return {end.x, drawing_->start.y};
  if (angle > 3 * M_PI / 8) return {drawing_->start.x, end.y};
  const int leg = static_cast<int>(std::lround(std::sqrt((double(dx) * dx + double(dy) * dy) / 2)));
  return {drawing_->start.x + (dx < 0 ? -leg : leg), drawing_->start.y + (dy < 0 ? -leg : leg)};
}

void SurfaceMouse::finish() {
  MouseMode mode;
  DragResult drag;
  std::vector<PixelPoint> points;
  {
    std::lock_guard lock(drawing_->mutex);
    mode = drawing_->mode;
    drag = {drawing_->start, drawing_->end};
    points = drawing_->freehand;
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
    std::lock_guard lock(drawing_->mutex);
    drawing_->end = drawing_->start;
  }
  cancelTimerAndEnd();
}

void SurfaceMouse::cancelTimerAndEnd() {
  if (sprayTimer_) ui_.killTimer(std::exchange(sprayTimer_, 0));
  {
    std::lock_guard lock(drawing_->mutex);
    drawing_->mode = MouseMode::Normal;
    drawing_->buttonDown = false;
    drawing_->freehand.clear();
  }
  drawing_->ended.notify_all();
  surface_.invalidateAll();
  ui_.wake();
}

// n = w^2 / 4 dots for a pen wider than 2, else w^2, within radius w.
void SurfaceMouse::sprayTick() {
  PixelPoint at;
  {
    std::lock_guard lock(drawing_->mutex);
    if (!drawing_->buttonDown) return;
    at = drawing_->end;
  }
  const int width = std::max(surface_.linePen().width, 1);
  drawDots(surface_, at, width > 2 ? width * width / 4 : width * width, width);
}

// The drawing in progress, shown over the surface until it is finished.
void SurfaceMouse::paintDrawing(cairo_t* cr) const {
  std::lock_guard lock(drawing_->mutex);
  if (drawing_->mode == MouseMode::Normal || drawing_->mode == MouseMode::Spray || !drawing_->buttonDown)
    return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  Pen pen = surface_.linePen();
  if (!applyPen(cr, pen)) return;
  const PixelRect rect = spannedRect(drawing_->start, drawing_->end);
  switch (drawing_->mode) {
    case MouseMode::Freehand:
      cairo_move_to(cr, drawing_->freehand.front().x + 0.5, drawing_->freehand.front().y + 0.5);
      for (const PixelPoint& p : drawing_->freehand) cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
      break;
    case MouseMode::Line:
      cairo_move_to(cr, drawing_->start.x + 0.5, drawing_->start.y + 0.5);
      cairo_line_to(cr, drawing_->end.x + 0.5, drawing_->end.y + 0.5);
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
