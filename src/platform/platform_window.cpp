// A platform window: its state, invalidation and painting, and input delivery.
#include "platform/platform_window.h"

#include <type_traits>

namespace lx {

PlatformWindow::PlatformWindow(UiThread& ui, const WindowParams& params)
    : ui_(ui),
      title_(params.title),
      x_(params.x),
      y_(params.y),
      visible_(params.visible),
      pixels_(params.width, params.height) {}

void PlatformWindow::setTitle(std::string title) {
  ui_.requireCurrent("PlatformWindow::setTitle");
  if (title == title_) return;
  title_ = std::move(title);
  titleChanged();
}

void PlatformWindow::setPosition(int x, int y) {
  ui_.requireCurrent("PlatformWindow::setPosition");
  if (x == x_ && y == y_) return;
  x_ = x;
  y_ = y;
  geometryChanged();
}

void PlatformWindow::setClientSize(int width, int height) {
  ui_.requireCurrent("PlatformWindow::setClientSize");
  if (width == pixels_.width() && height == pixels_.height()) return;
  pixels_.resize(width, height);
  invalidateAll();
  geometryChanged();
  if (resizeHandler_) resizeHandler_(pixels_.width(), pixels_.height());
}

void PlatformWindow::setVisible(bool visible) {
  ui_.requireCurrent("PlatformWindow::setVisible");
  if (visible == visible_) return;
  visible_ = visible;
  visibilityChanged();
}

void PlatformWindow::setState(WindowState state) {
  ui_.requireCurrent("PlatformWindow::setState");
  if (state == state_) return;
  state_ = state;
  stateChanged();
}

void PlatformWindow::setCursor(CursorShape cursor) {
  ui_.requireCurrent("PlatformWindow::setCursor");
  if (cursor == cursor_) return;
  cursor_ = cursor;
  cursorChanged();
}

void PlatformWindow::captureMouse() {
  ui_.requireCurrent("PlatformWindow::captureMouse");
  if (captured_) return;
  captured_ = true;
  captureChanged();
}

void PlatformWindow::releaseMouse() {
  ui_.requireCurrent("PlatformWindow::releaseMouse");
  if (!captured_) return;
  captured_ = false;
  captureChanged();
}

void PlatformWindow::invalidate(const PixelRect& rect) {
  if (rect.isEmpty()) return;
  {
    std::lock_guard lock(mutex_);
    invalid_ = unite(invalid_, rect);
    if (paintQueued_) return;
    paintQueued_ = true;
  }
  ui_.post(
      [window = weak_from_this()] {
        if (auto self = window.lock()) self->paintNow();
      },
      TaskKind::Paint);
}

void PlatformWindow::paintNow() {
  ui_.requireCurrent("PlatformWindow::paintNow");
  PixelRect dirty;
  {
    std::lock_guard lock(mutex_);
    dirty = intersect(invalid_, pixels_.bounds());
    invalid_ = {};
    paintQueued_ = false;
  }
  if (dirty.isEmpty()) return;
  if (paintHandler_) paintHandler_(pixels_, dirty);
  present(dirty);
}

WriteResult PlatformWindow::screenshot(const std::filesystem::path& file) {
  paintNow();
  return pixels_.writePng(file);
}

void PlatformWindow::queueInput(const InputEvent& event) {
  const bool mouse = std::holds_alternative<MouseEvent>(event) || std::holds_alternative<WheelEvent>(event);
  ui_.post(
      [window = weak_from_this(), event] {
        if (auto self = window.lock()) self->deliver(event);
      },
      mouse ? TaskKind::MouseInput : TaskKind::KeyInput);
}

void PlatformWindow::deliverNow(const InputEvent& event) {
  ui_.requireCurrent("PlatformWindow::deliverNow");
  deliver(event);
}

void PlatformWindow::requestClose() {
  ui_.post([window = weak_from_this()] {
    auto self = window.lock();
    if (self && self->closeHandler_) self->closeHandler_();
  });
}

MouseState PlatformWindow::mouseState() const {
  std::lock_guard lock(mutex_);
  return mouse_;
}

void PlatformWindow::warpPointer(int x, int y) {
  ui_.requireCurrent("PlatformWindow::setMousePosition");
  queueInput(MouseEvent{MouseAction::Move, x, y, MouseButton::None, 1, mouseState().modifiers});
}

void PlatformWindow::deliver(const InputEvent& event) {
  track(event);
  if (inputHandler_) inputHandler_(event);
}

// The mouse state follows the input as it is delivered, so a handler that
// asks for it sees the state that includes its own event.
void PlatformWindow::track(const InputEvent& event) {
  std::lock_guard lock(mutex_);
  if (const auto* mouse = std::get_if<MouseEvent>(&event)) {
    mouse_.x = mouse->x;
    mouse_.y = mouse->y;
    mouse_.modifiers = mouse->modifiers;
    const uint8_t bit = mouse->button == MouseButton::Left     ? kLeftButton
                        : mouse->button == MouseButton::Right  ? kRightButton
                        : mouse->button == MouseButton::Middle ? kMiddleButton
                                                               : kNoButtons;
    uint8_t held = mouse_.buttons;
    if (mouse->action == MouseAction::Down) held |= bit;
    if (mouse->action == MouseAction::Up) held &= ~bit;
    mouse_.buttons = static_cast<MouseButtons>(held);
  } else if (const auto* wheel = std::get_if<WheelEvent>(&event)) {
    mouse_.x = wheel->x;
    mouse_.y = wheel->y;
    mouse_.modifiers = wheel->modifiers;
  } else if (const auto* key = std::get_if<KeyEvent>(&event)) {
    mouse_.modifiers = key->modifiers;
  }
}

}  // namespace lx
