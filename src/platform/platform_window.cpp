// A platform window: its state, invalidation and painting, input delivery,
// and windows shown inside others.
#include "platform/platform_window.h"

#include <algorithm>
#include <type_traits>

#include "platform/modal_windows.h"
#include "platform/paint_count.h"

namespace lx {

PlatformWindow::PlatformWindow(UiThread& ui, const WindowParams& params)
    : ui_(ui),
      title_(params.title),
      x_(params.x),
      y_(params.y),
      visible_(params.visible),
      pixels_(params.width, params.height) {}

PlatformWindow::~PlatformWindow() {
  auto host = host_.lock();
  if (!host) return;
  host->invalidate(areaInHost());
  // A bar that goes gives its room back.
  if (dockEdge_ != DockEdge::None) host->layOutDocked();
}

void PlatformWindow::setTitle(std::string title) {
  ui_.requireCurrent("PlatformWindow::setTitle");
  if (title == title_) return;
  title_ = std::move(title);
  titleChanged();
}

void PlatformWindow::setIcon(PixelBuffer icon) {
  ui_.requireCurrent("PlatformWindow::setIcon");
  icon_ = std::move(icon);
  iconChanged();
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
  const PixelRect before = areaInHost();
  pixels_.resize(width, height);
  if (auto host = host_.lock()) host->invalidate(unite(before, areaInHost()));
  invalidateAll();
  geometryChanged();
  if (resizeHandler_) resizeHandler_(pixels_.width(), pixels_.height());
  if (!guests_.empty()) layOutDocked();
  hostLayOut();
}

void PlatformWindow::setVisible(bool visible) {
  ui_.requireCurrent("PlatformWindow::setVisible");
  if (visible == visible_) return;
  visible_ = visible;
  if (auto host = host_.lock()) host->invalidate(areaInHost());
  visibilityChanged();
  hostLayOut();
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

namespace {

// The shortest time between two paints of a window. Drawing that changes
// the window faster (a turtle's every step) is gathered into the next
// frame: painting each change would make the drawing process and the
// painting thread take turns at the drawing's lock thousands of times a
// second, which on a machine with several cores costs more than the
// drawing itself.
constexpr std::chrono::milliseconds kFrameInterval{15};

}  // namespace

void PlatformWindow::invalidate(const PixelRect& rect) {
  if (rect.isEmpty()) return;
  std::chrono::milliseconds wait{0};
  {
    std::lock_guard lock(mutex_);
    invalid_ = unite(invalid_, rect);
    if (paintQueued_) return;
    paintQueued_ = true;
    // Under a manual clock time stands still: every paint comes at once.
    const SteadyTime now = clockNow();
    if (!clockIsManual() && now < lastPaint_ + kFrameInterval)
      wait = std::chrono::ceil<std::chrono::milliseconds>(lastPaint_ + kFrameInterval - now);
  }
  auto paint = [window = weak_from_this()] {
    if (auto self = window.lock()) self->paintNow();
  };
  if (wait.count() > 0)
    ui_.setTimer(wait, TimerRepeat::Once, std::move(paint));
  else
    ui_.post(std::move(paint), TaskKind::Paint);
}

void PlatformWindow::paintNow() {
  ui_.requireCurrent("PlatformWindow::paintNow");
  PixelRect dirty;
  {
    std::lock_guard lock(mutex_);
    dirty = intersect(invalid_, pixels_.bounds());
    invalid_ = {};
    paintQueued_ = false;
    lastPaint_ = clockNow();
  }
  if (dirty.isEmpty()) return;
  countPaint(dirty);
  if (paintHandler_) paintHandler_(pixels_, dirty);
  composeGuests(dirty);
  if (overlayHandler_) overlayHandler_(pixels_, dirty);
  present(dirty);
  if (visible_) invalidateInHost(dirty);
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
  // While a dialog waits for its answer, the other windows take no input.
  if (inputBlockedFor(this)) return;
  track(event);
  if (passedToGuest(event)) return;
  // A copy: the handler may replace itself while it runs.
  const InputHandler handler = inputHandler_;
  if (handler) handler(event);
}

// The mouse state follows the input as it is delivered, so a handler that
// asks for it sees the state that includes its own event.
void PlatformWindow::track(const InputEvent& event) {
  std::lock_guard lock(mutex_);
  if (const auto* mouse = std::get_if<MouseEvent>(&event)) {
    mouse_.outside = mouse->action == MouseAction::Leave;
    if (mouse_.outside) return;
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
    mouse_.outside = false;
    mouse_.x = wheel->x;
    mouse_.y = wheel->y;
    mouse_.modifiers = wheel->modifiers;
  } else if (const auto* key = std::get_if<KeyEvent>(&event)) {
    mouse_.modifiers = key->modifiers;
  }
}

// --- Windows shown inside others ---

void PlatformWindow::setHost(const std::shared_ptr<PlatformWindow>& host) {
  ui_.requireCurrent("PlatformWindow::setHost");
  std::shared_ptr<PlatformWindow> old = host_.lock();
  if (old == host) return;
  if (old) {
    old->invalidate(areaInHost());
    std::erase_if(old->guests_, [this](const std::weak_ptr<PlatformWindow>& guest) {
      auto held = guest.lock();
      return !held || held.get() == this;
    });
  }
  host_ = host;
  if (old && dockEdge_ != DockEdge::None) old->layOutDocked();
  if (host) {
    host->guests_.push_back(weak_from_this());
    hostLayOut();
    host->invalidate(areaInHost());
  }
  hostChanged();
}

PixelRect PlatformWindow::areaInHost() const {
  auto host = host_.lock();
  if (!host) return {};
  if (dockEdge_ != DockEdge::None) return dockArea_;
  const PixelRect free = host->freeArea();
  const int width = pixels_.width();
  const int height = pixels_.height();
  return {free.x + std::max(0, (free.width - width) / 2), free.y + std::max(0, (free.height - height) / 2),
          width, height};
}

void PlatformWindow::invalidateInHost(const PixelRect& rect) {
  auto host = host_.lock();
  if (!host || rect.isEmpty()) return;
  const PixelRect area = areaInHost();
  host->invalidate(intersect({rect.x + area.x, rect.y + area.y, rect.width, rect.height}, area));
}

// The guests' pixels as they are now: a guest with invalid parts of its
// own paints them later and then invalidates its area here again.
void PlatformWindow::composeGuests(const PixelRect& dirty) {
  for (const auto& weak : guests_) {
    auto guest = weak.lock();
    if (!guest || !guest->visible_) continue;
    const PixelRect area = guest->areaInHost();
    const PixelRect part = intersect(area, dirty);
    if (part.isEmpty()) continue;
    guest->pixels_.flush();
    pixels_.flush();
    pixels_.copyFrom(guest->pixels_, {part.x - area.x, part.y - area.y, part.width, part.height}, part.x,
                     part.y);
    pixels_.markDirty();
  }
}

std::shared_ptr<PlatformWindow> PlatformWindow::guestAt(int x, int y) {
  for (auto it = guests_.rbegin(); it != guests_.rend(); ++it) {
    auto guest = it->lock();
    if (guest && guest->visible_ && guest->areaInHost().contains(x, y)) return guest;
  }
  return nullptr;
}

// Mouse input goes to the guest under the pointer, or to the guest that
// took the press while a button is held; a guest the pointer leaves gets
// a leave. Keys stay with the host, the window that has the focus.
bool PlatformWindow::passedToGuest(const InputEvent& event) {
  if (guests_.empty()) return false;
  if (const auto* wheel = std::get_if<WheelEvent>(&event)) {
    auto guest = guestAt(wheel->x, wheel->y);
    if (!guest) return false;
    const PixelRect area = guest->areaInHost();
    WheelEvent inGuest = *wheel;
    inGuest.x -= area.x;
    inGuest.y -= area.y;
    guest->deliver(inGuest);
    return true;
  }
  const auto* mouse = std::get_if<MouseEvent>(&event);
  if (!mouse) return false;
  std::shared_ptr<PlatformWindow> target = pressedGuest_.lock();
  if (!target && mouse->action != MouseAction::Leave) target = guestAt(mouse->x, mouse->y);
  if (auto previous = pointerGuest_.lock(); previous && previous != target) {
    const MouseState last = previous->mouseState();
    previous->deliver(MouseEvent{MouseAction::Leave, last.x, last.y, MouseButton::None, 1, mouse->modifiers});
  }
  pointerGuest_ = target;
  if (mouse->action == MouseAction::Down && target) pressedGuest_ = target;
  if (mouse->action == MouseAction::Up && mouseState().buttons == kNoButtons) pressedGuest_.reset();
  if (!target) return false;
  const PixelRect area = target->areaInHost();
  MouseEvent inGuest = *mouse;
  inGuest.x -= area.x;
  inGuest.y -= area.y;
  target->deliver(inGuest);
  return true;
}

}  // namespace lx
