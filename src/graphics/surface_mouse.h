// The mouse on a drawing surface (user-interface thread): the topmost
// graphic under the pointer receives presses, moves, releases and clicks,
// the hot graphic gets enter and leave, and what no graphic takes goes to
// the surface's owner. While an interactive drawing runs (`bgfreehand`,
// `bgspray`, the flexible shapes) the mouse draws instead.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "graphics/gr_screen.h"
#include "platform/timer_queue.h"

namespace lx {

enum class MouseMode : uint8_t {
  Normal = 0,
  Freehand = 1,
  Line = 2,
  FilledRectangle = 3,
  FilledEllipse = 4,
  Rectangle = 5,
  Ellipse = 6,
  Spray = 8,
};

// The result of an interactive drawing: its anchor and end point.
struct DragResult {
  PixelPoint start;
  PixelPoint end;
  bool empty() const { return start == end; }
};

class SurfaceMouse {
 public:
  // Mouse notifications that no graphic takes (point in surface pixels).
  using OwnerHandler = std::function<void(const GraphicMouse& event)>;

  // Takes over the input of the surface's window and paints the drawing
  // in progress over the surface.
  SurfaceMouse(tgrScreen& surface, UiThread& ui);
  ~SurfaceMouse();
  SurfaceMouse(const SurfaceMouse&) = delete;
  SurfaceMouse& operator=(const SurfaceMouse&) = delete;

  void setOwnerHandler(OwnerHandler handler) { owner_ = std::move(handler); }
  // In edit mode the surface itself takes every press.
  void setEditMode(bool edit) { editMode_ = edit; }

  // Runs an interactive drawing to its end: sets the mode (nothing when
  // another drawing runs), anchors it at the pointer, and waits until the
  // left button ends it or the right button cancels it. On the
  // user-interface thread the wait serves the loop; elsewhere `keepWaiting`
  // is asked now and then and may throw to end the wait (a stopped process).
  std::optional<DragResult> runDrawing(MouseMode mode, const std::function<void()>& keepWaiting = {});
  MouseMode mode() const;

  // After a graphic moved: asks the user-interface thread to find the hot
  // graphic again, so enter and leave fire under a still pointer (any thread).
  void recheckHot();

 private:
  void onInput(const InputEvent& event);
  void normalMouse(const MouseEvent& event);
  void drawingMouse(const MouseEvent& event);
  void dispatch(tSurfaceGraphic& graphic, GraphicMouseKind kind, const MouseEvent& event);
  void toOwner(GraphicMouseKind kind, const MouseEvent& event);
  void updateHot(const MouseEvent& event);
  void begin(MouseMode mode);
  void finish();
  void cancel();
  void cancelTimerAndEnd();
  void sprayTick();
  void paintDrawing(cairo_t* canvas) const;
  PixelPoint snapped(PixelPoint end, Modifiers modifiers) const;

  tgrScreen& surface_;
  UiThread& ui_;
  OwnerHandler owner_;
  bool editMode_ = false;

  mutable std::mutex mutex_;  // guards the drawing state below
  std::condition_variable ended_;
  MouseMode mode_ = MouseMode::Normal;
  bool buttonDown_ = false;
  PixelPoint dragStart_;
  PixelPoint dragEnd_;
  std::vector<PixelPoint> freehand_;
  TimerId sprayTimer_ = 0;
};

}  // namespace lx
