// A window of the platform: a title, a place on the screen, and a client
// area whose picture is a PixelBuffer that the graphics code paints. Both
// backends share this class: headless it is the whole window (off-screen);
// a windowed backend derives from it and shows the buffer in a real window
// through the hooks at the end.
//
// A window may be shown inside another one, its host (a page inside the
// panel of its window): the host's picture then holds the guest's pixels
// over its own, and the host passes the mouse input over the guest on to
// it. A windowed backend shows only windows that have no host.
//
// Threads: invalidate(), queueInput(), requestClose() and mouseState() may
// be called from any thread; everything else only on the user-interface
// thread, where the handlers also run. Windows are made shared (the queued
// paint and input work holds them weakly, so a window may be destroyed with
// work still queued for it); the last reference should be dropped on the
// user-interface thread.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/input_event.h"
#include "platform/pixel_buffer.h"
#include "platform/pixel_rect.h"
#include "platform/ui_thread.h"

namespace lx {

enum class WindowState : uint8_t { Normal, Minimized, Maximized, FullScreen };

enum class CursorShape : uint8_t {
  Arrow,
  Wait,
  Cross,
  Hand,
  IBeam,
  Move,
  ResizeDiagonal,
  ResizeHorizontal,
  ResizeVertical,
  Hidden,
};

// The edge of its host a guest window is docked to (a tool bar); None: the
// guest is placed in what the docked guests leave free.
enum class DockEdge : uint8_t { None, Top, Bottom, Left, Right };

struct WindowParams {
  std::string title;  // internal text (code page 1250)
  int x = 0;          // screen position of the client area's upper-left corner
  int y = 0;
  int width = 500;  // client area in pixels
  int height = 400;
  bool visible = true;
};

// The pointer as the window last saw it, from the input delivered to it.
struct MouseState {
  int x = 0;
  int y = 0;
  MouseButtons buttons = kNoButtons;  // held
  Modifiers modifiers = kNoModifiers;
  bool outside = false;  // the pointer has left the window since (x, y)
};

class PlatformWindow : public std::enable_shared_from_this<PlatformWindow> {
 public:
  // Paints `dirty` (inside the client area) into the window's pixels.
  using PaintHandler = std::function<void(PixelBuffer& pixels, const PixelRect& dirty)>;
  using InputHandler = std::function<void(const InputEvent& event)>;
  using ResizeHandler = std::function<void(int width, int height)>;
  using CloseHandler = std::function<void()>;

  PlatformWindow(UiThread& ui, const WindowParams& params);
  // A guest leaves its host's picture.
  virtual ~PlatformWindow();
  PlatformWindow(const PlatformWindow&) = delete;
  PlatformWindow& operator=(const PlatformWindow&) = delete;

  // Handlers, each replacing the one before; run on the user-interface thread.
  void setPaintHandler(PaintHandler handler) { paintHandler_ = std::move(handler); }
  void setInputHandler(InputHandler handler) { inputHandler_ = std::move(handler); }
  void setResizeHandler(ResizeHandler handler) { resizeHandler_ = std::move(handler); }
  // Runs when the user asks to close the window (the window stays until destroyed).
  void setCloseHandler(CloseHandler handler) { closeHandler_ = std::move(handler); }
  // Paints over the finished picture of `dirty`, the guests' pixels
  // included (a tooltip); none: nothing over it.
  void setOverlayHandler(PaintHandler handler) { overlayHandler_ = std::move(handler); }

  const std::string& title() const { return title_; }
  void setTitle(std::string title);
  // The picture the window system shows for the window (in its title bar
  // and task list); an empty one leaves the system's own.
  const PixelBuffer& icon() const { return icon_; }
  void setIcon(PixelBuffer icon);
  int x() const { return x_; }
  int y() const { return y_; }
  void setPosition(int x, int y);
  int clientWidth() const { return pixels_.width(); }
  int clientHeight() const { return pixels_.height(); }
  // Resizes the client area: the pixels both sizes share stay, new ones are
  // white, everything is invalidated, then the resize handler runs.
  void setClientSize(int width, int height);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  WindowState state() const { return state_; }
  void setState(WindowState state);
  CursorShape cursor() const { return cursor_; }
  void setCursor(CursorShape cursor);
  // While captured, the window receives the mouse even outside its area.
  bool hasMouseCapture() const { return captured_; }
  void captureMouse();
  void releaseMouse();
  // Moves the pointer to a client point; the window then gets a move there.
  void setMousePosition(int x, int y) { warpPointer(x, y); }

  // Shows this window inside `host`'s client area, centred, or from the
  // host's left or top edge along a side where it is the larger: the host
  // shows this window's pixels over its own while this window is visible,
  // and passes on the mouse input that falls on them. None: a window of
  // its own again.
  void setHost(const std::shared_ptr<PlatformWindow>& host);
  bool hosted() const { return !host_.expired(); }
  // Where this window shows in its host's client area; empty without a host.
  PixelRect areaInHost() const;
  // The window this one is shown in; none for a window of its own.
  std::shared_ptr<PlatformWindow> host() const { return host_.lock(); }
  // Docks this guest to an edge of its host; `order` places it among the
  // guests docked at the same edge, lower nearer the edge. A docked guest
  // keeps its thickness (its height at the top and bottom, its width at the
  // sides) and is stretched along the length its edge has free; the top
  // bars are laid out first, then the bottom, left and right ones, each in
  // what those before left. Guests that are not docked are placed in the
  // area left free (see freeArea).
  void setDock(DockEdge edge, int order);
  DockEdge dockEdge() const { return dockEdge_; }
  // The part of the client area that the visible docked guests leave free.
  PixelRect freeArea() const;

  // Any thread: marks part of the client area for repainting. Invalidations
  // gather into one rectangle, painted once when the user-interface thread
  // next serves paint work.
  void invalidate(const PixelRect& rect);
  void invalidateAll() { invalidate({0, 0, 1 << 30, 1 << 30}); }
  // Paints what is invalid now, without waiting for the queue.
  void paintNow();
  // The client area's picture as the window shows it.
  PixelBuffer& pixels() { return pixels_; }
  // Paints what is invalid, then writes the client area as a PNG file.
  [[nodiscard]] WriteResult screenshot(const std::filesystem::path& file);

  // Any thread: queues input for delivery to the input handler on the
  // user-interface thread, behind the input queued before it. A windowed
  // backend feeds the window system's input through here; headless, tests
  // and scripted drivers inject theirs the same way.
  void queueInput(const InputEvent& event);
  // User-interface thread: delivers input at once, as if it had just come
  // out of the queue (a window passing input on to a window shown inside it).
  void deliverNow(const InputEvent& event);
  // Any thread: queues a request to close, as the window's close button does.
  void requestClose();
  // Any thread.
  MouseState mouseState() const;

 protected:
  // Hooks for a backend that shows the window, run on the user-interface
  // thread after the state changed; headless they do nothing.
  virtual void titleChanged() {}
  virtual void iconChanged() {}
  virtual void geometryChanged() {}
  virtual void visibilityChanged() {}
  virtual void stateChanged() {}
  virtual void cursorChanged() {}
  virtual void captureChanged() {}
  // The window got or lost a host.
  virtual void hostChanged() {}
  // The pixels of `dirty` have just been painted: show them.
  virtual void present(const PixelRect& dirty) { (void)dirty; }
  // Moves the pointer. Headless there is no pointer, so this queues the
  // move the window would see; a windowed backend moves the real pointer.
  virtual void warpPointer(int x, int y);
  // The window system changed the window's state (the user maximised it):
  // records it without acting on it again.
  void recordState(WindowState state) { state_ = state; }

 private:
  void deliver(const InputEvent& event);
  void track(const InputEvent& event);
  // Hosting: the guests' pixels, the input for them, and telling the host.
  void composeGuests(const PixelRect& dirty);
  bool passedToGuest(const InputEvent& event);
  std::shared_ptr<PlatformWindow> guestAt(int x, int y);
  void invalidateInHost(const PixelRect& rect);
  // Docking (window_docking.cpp): places the docked guests and the free
  // area again, after a change of the host's size or of a docked guest.
  void layOutDocked();
  void hostLayOut();

  UiThread& ui_;
  std::string title_;
  PixelBuffer icon_{0, 0};
  int x_;
  int y_;
  bool visible_;
  WindowState state_ = WindowState::Normal;
  CursorShape cursor_ = CursorShape::Arrow;
  bool captured_ = false;
  PixelBuffer pixels_;
  PaintHandler paintHandler_;
  InputHandler inputHandler_;
  ResizeHandler resizeHandler_;
  CloseHandler closeHandler_;
  PaintHandler overlayHandler_;
  // User-interface thread only.
  std::weak_ptr<PlatformWindow> host_;
  std::vector<std::weak_ptr<PlatformWindow>> guests_;  // in the order they came; the last is on top
  std::weak_ptr<PlatformWindow> pressedGuest_;         // took the last press while a button is held
  std::weak_ptr<PlatformWindow> pointerGuest_;         // the pointer is over it
  DockEdge dockEdge_ = DockEdge::None;
  int dockOrder_ = 0;
  PixelRect dockArea_;    // a docked guest's place in its host
  PixelRect freeInsets_;  // what docked guests take from each side: x left, y top, width right, height bottom
  bool layingOut_ = false;

  mutable std::mutex mutex_;  // guards the four fields below
  PixelRect invalid_;         // gathered invalidations, not yet painted
  bool paintQueued_ = false;  // paint work for invalid_ waits in the queue or on a timer
  SteadyTime lastPaint_{};    // when the last paint began
  MouseState mouse_;
};

}  // namespace lx
