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

#include "graphics/floating_selection.h"
#include "graphics/gr_screen.h"
#include "graphics/hint_tooltip.h"
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
  // Finds the child surface (a pane) under a point: its window and the
  // position of its upper-left corner; none when there is none.
  struct Child {
    PlatformWindow* window = nullptr;
    PixelPoint position;
  };
  using ChildFinder = std::function<Child(int x, int y)>;
  // Mouse input over a child surface goes to the child's window, in its
  // own coordinates; a press on a child sends the moves and the release
  // that follow to that child too.
  void setChildFinder(ChildFinder finder) { childFinder_ = std::move(finder); }
  // In edit mode the surface itself takes every press.
  void setEditMode(bool edit) { editMode_ = edit; }

  // Runs an interactive drawing to its end: sets the mode (nothing when
  // another drawing runs), anchors it at the pointer, and waits until the
  // left button ends it or the right button cancels it. On the
  // user-interface thread the wait serves the loop; elsewhere `keepWaiting`
  // is asked now and then and may throw to end the wait (a stopped process).
  std::optional<DragResult> runDrawing(MouseMode mode, const std::function<void()>& keepWaiting = {});
  MouseMode mode() const;

  // Floats the picture over the surface with its upper-left corner at `at`
  // (any thread); a selection that floated before is dropped first.
  void floatSelection(PictureRef picture, PixelPoint at);
  // Where the floating selection stands; none when nothing floats.
  std::optional<PixelRect> selectionRect() const;

  // After a graphic moved: asks the user-interface thread to find the hot
  // graphic again, so enter and leave fire under a still pointer (any thread).
  void recheckHot();

 private:
  void onInput(const InputEvent& event);
  bool passedToChild(const MouseEvent& event);
  void normalMouse(const MouseEvent& event);
  bool selectionMouse(const MouseEvent& event);
  void dropSelection();
  void drawingMouse(const MouseEvent& event);
  void dispatch(tSurfaceGraphic& graphic, GraphicMouseKind kind, const MouseEvent& event);
  void toOwner(GraphicMouseKind kind, const MouseEvent& event);
  void updateHot(const MouseEvent& event);
  void trackHint(PixelPoint at);
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
  ChildFinder childFinder_;
  std::weak_ptr<PlatformWindow> pressedChild_;
  PixelPoint pressedChildPosition_;
  std::weak_ptr<PlatformWindow> hoverChild_;  // the child the pointer was over last
  bool editMode_ = false;
  HintTooltip hint_;  // the hot graphic's hint
  std::optional<FloatingSelection> selection_;  // changed on this thread under the drawing lock

  // The drawing in progress. A process waiting for its end holds it too, so
  // the wait ends safely when the surface goes away meanwhile.
  struct Drawing {
    mutable std::mutex mutex;  // guards the fields below
    std::condition_variable ended;
    MouseMode mode = MouseMode::Normal;
    bool buttonDown = false;
    PixelPoint start;
    PixelPoint end;
    std::vector<PixelPoint> freehand;
  };
  std::shared_ptr<Drawing> drawing_ = std::make_shared<Drawing>();
  TimerId sprayTimer_ = 0;
  // Expires with this object: work that waited for the interpreter lock
  // learns from it whether the surface is still there.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace lx
