// tLogoTurtleParams: the graphic state of a turtle — position in extended
// reals (surface pixels), heading, pen and brush, pen mode, font, range and
// range style, shape and flags — and the moves that draw its path into the
// surface's background bitmap.
//
// Threads and locks. Logo code changes the state on its process's thread
// while it holds the interpreter lock. What the surface's paint and hit
// tests read (position, heading, shape, shown state, rectangle) changes
// only under the surface's drawing lock, which every drawing holds for its
// duration. Events are raised after the lock is let go.
#pragma once

#include <optional>

#include "graphics/control_mouse.h"
#include "graphics/gr_screen.h"
#include "graphics/shape_schedule.h"
#include "graphics/turtle_font.h"
#include "graphics/turtle_ink.h"
#include "graphics/turtle_range.h"
#include "graphics/turtle_shape.h"

namespace lx {

class tmultiobject;

// How a move treats collisions and bounces, and what its pen does.
struct MoveOptions {
  bool collisions = true;
  bool bounceEvent = true;
  PenMode pen = PenMode::Down;
};

class tLogoTurtleParams : public tSurfaceGraphic, public AnimatedShape {
 public:
  // A turtle of `object` (none for an auxiliary graphic) on `surface`, at
  // the surface's centre facing up; not yet registered.
  tLogoTurtleParams(tgrScreen& surface, tmultiobject* object, GraphicKind kind = GraphicKind::Ordinary);
  // Unregisters from the surface (when it is still there).
  ~tLogoTurtleParams() override;
  tLogoTurtleParams(const tLogoTurtleParams&) = delete;
  tLogoTurtleParams& operator=(const tLogoTurtleParams&) = delete;

  // Enters the surface's graphic list (drawn from then on when shown).
  void registerOnSurface();
  tgrScreen* surface() const { return surface_; }
  tmultiobject* object() const { return object_; }

  // --- Position and heading ---
  PointF position() const { return position_; }
  PointF pagePosition() const { return surface_ ? surface_->toPage(position_) : position_; }
  long double heading() const { return heading_; }
  void setHeading(long double heading);
  // Puts the turtle at a pixel point at once, without drawing or events.
  void placeAt(PointF pixel);

  // The core of every motion (see turtle_motion.cpp).
  void moveTo(PointF target, RangeStyle style, const MoveOptions& options);
  // Moves along the heading with the turtle's style and pen.
  void forward(long double distance);
  // Moves with the turtle's own style and pen, as setting `pos` does.
  void moveWithOwnStyle(PointF target);
  // Heading := home heading, then to the home position without drawing;
  // home := where it arrived.
  void goHome() override;
  PointF homePosition;
  long double homeHeading = 0;

  // --- Pen, brush, font ---
  Pen pen;
  Brush brush;
  PenMode penMode = PenMode::Down;
  TurtleFont font;

  // --- Range ---
  RangeStyle rangeStyle = RangeStyle::Wrap;
  std::optional<SurfaceRange> range;  // none: the surface's default range
  SurfaceRange boundary() const;
  // After a change of range, style or surface size: a turtle that is not
  // in window style is pulled into its boundary.
  void applyBoundary();

  // --- Shape and flags ---
  const TurtleShape& shape() const { return shape_; }
  // Changes the shape under the drawing lock and repaints where it was and is.
  template <class Change>
  void changeShape(Change change);
  // The cell shown within the frame (from 1); the animation thread moves it.
  int shownCellNumber() const;
  // After a change of shape, animation or delay scale: plans the next cell
  // of an animated shape with several cells, or forgets the plan. `restart`
  // plans afresh even when a plan is pending.
  void animationChanged(bool restart = false);
  bool shown() const { return shown_; }
  void setShown(bool shown);
  bool sensitive = false;
  bool hitEnabled = true;
  // Where the last mouse press on the turtle was, relative to its position.
  PointF clickedAt;

  // --- tSurfaceGraphic ---
  GraphicKind graphicKind() const override { return kind_; }
  bool isShown() const override { return shown_; }
  bool hitTestEnabled() const override { return hitEnabled; }
  PixelRect graphicRect() const override { return rect_; }
  void paintOn(cairo_t* canvas) const override;
  bool hitTest(int x, int y) const override;
  void mouseEvent(const GraphicMouse& event) override;
  void surfaceGone() override;
  void surfaceResized() override;
  tmultiobject* graphicObject() const override { return object_; }

  // --- AnimatedShape (animation lock held) ---
  std::optional<uint64_t> advanceCell() override;
  // The page surface the turtle's surface shows in (its own, on a page).
  const void* animationPage() const override;

  // Draws the shape into the background bitmap (`stamp`).
  void stamp();

 private:
  // Recomputes the rectangle from the position (drawing lock held) and
  // answers the area to repaint: the old and the new rectangle.
  PixelRect updateRect();
  void raiseAfterMove(bool bounced, bool collisions, bool bounceEvent);
  bool underPointer() const;

  tgrScreen* surface_;
  tmultiobject* object_;
  GraphicKind kind_;
  PointF position_;
  long double heading_ = 0;
  TurtleShape shape_;
  bool shown_ = false;
  bool registered_ = false;
  PixelRect rect_;
  ControlMouse mouse_;  // user-interface thread
};

template <class Change>
void tLogoTurtleParams::changeShape(Change change) {
  if (!surface_) {
    change(shape_);
    return;
  }
  PixelRect repaint;
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    change(shape_);
    repaint = updateRect();
  }
  surface_->invalidateExact(repaint);
}

}  // namespace lx
