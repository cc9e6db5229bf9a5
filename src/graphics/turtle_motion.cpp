// Moving a turtle: tracing the path through its range, drawing it with the
// pen, bouncing, and the events a move raises.
#include "graphics/global_setting.h"
#include "graphics/logo_page.h"
#include "graphics/turtle_overlap.h"
#include "graphics/turtle_state.h"
#include "objects/events.h"
#include "objects/object_codes.h"

namespace lx {
namespace {

bool overlapByRectangles() {
  const Value mode = globalSetting("overlapmode");
  return mode && mode->isNumber() && mode->asReal() != 0;
}

tLogoTurtleParams* asTurtle(tSurfaceGraphic* graphic) {
  return dynamic_cast<tLogoTurtleParams*>(graphic);
}

}  // namespace

void tLogoTurtleParams::moveTo(PointF target, RangeStyle style, const MoveOptions& options) {
  if (!surface_) {
    position_ = target;
    return;
  }
  bool bounced = false;
  PixelRect drawn, repaint;
  int penWidth = pen.width;
  {
    tgrScreen::DrawingLock held = surface_->lockDrawing();
    const TracedPath path = tracePath(position_, target, boundary(), style);
    drawn = drawSegments(surface_->bitmap(), path.segments, pen, options.pen, surface_->backgroundColour());
    position_ = path.end;
    if (style == RangeStyle::Bounce && path.bounced) {
      heading_ = headingAfterBounce(path);
      bounced = true;
    }
    repaint = updateRect();
  }
  // One invalidation for the trace and the shape: the window gathers them
  // into one rectangle anyway, and each costs a lock.
  const int margin = (penWidth > 0 ? penWidth / 2 : 0) + 3;
  const PixelRect changed = unite(drawn.isEmpty() ? drawn : grownRect(drawn, margin), repaint);
  if (!changed.isEmpty()) surface_->invalidateExact(changed);
  raiseAfterMove(bounced, options.collisions, options.bounceEvent);
}

void tLogoTurtleParams::forward(long double distance) {
  const PointF target = stepAlong(position_, heading_, distance);
  const bool wasBounce = rangeStyle == RangeStyle::Bounce;
  const long double before = heading_;
  moveTo(target, rangeStyle, {true, true, penMode});
  // A backward move that bounces keeps the turtle facing away from the wall.
  if (wasBounce && distance < 0 && heading_ != before) setHeading(heading_ + 180);
}

void tLogoTurtleParams::moveWithOwnStyle(PointF target) {
  moveTo(target, rangeStyle, {true, true, penMode});
}

void tLogoTurtleParams::goHome() {
  setHeading(homeHeading);
  moveTo(homePosition, rangeStyle, {true, true, PenMode::Up});
  homePosition = position_;
}

void tLogoTurtleParams::applyBoundary() {
  if (rangeStyle != RangeStyle::Window) moveTo(position_, RangeStyle::Fence, {false, false, PenMode::Up});
}

// Whether enter and leave may have changed: the pointer is over the
// turtle, or the turtle was the one under it.
bool tLogoTurtleParams::underPointer() const {
  if (surface_->hotGraphic() == this) return true;
  const MouseState mouse = surface_->window().mouseState();
  return !mouse.outside && rect_.contains(mouse.x, mouse.y);
}

void tLogoTurtleParams::raiseAfterMove(bool bounced, bool collisions, bool bounceEvent) {
  if (!surface_) return;
  if (underPointer()) {
    if (tSurfaceOwner* owner = surface_->owner() ? surfaceOwnerOf(*surface_->owner()) : nullptr)
      if (SurfaceMouse* mouse = owner->surfaceMouse()) mouse->recheckHot();
  }
  if (bounced && bounceEvent && object_) raiseEvent(object_, eventCode(EventId::onBounce));
  if (!collisions || !sensitive || !shown_ || !object_ || kind_ != GraphicKind::Ordinary) return;
  const OverlapTest test = overlapByRectangles() ? OverlapTest::Rectangles : OverlapTest::Lens;
  for (tSurfaceGraphic* graphic : surface_->graphics().weak()) {
    tLogoTurtleParams* other = asTurtle(graphic);
    if (!other || other == this || !other->sensitive || !other->shown_ ||
        other->kind_ != GraphicKind::Ordinary)
      continue;
    if (shapesOverlap(rect_, other->rect_, test)) {
      raiseEvent(object_, eventCode(EventId::onCollide));
      return;
    }
  }
}

}  // namespace lx
