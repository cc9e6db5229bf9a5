// What a drawing surface knows of the turtles and other graphics that live
// on it: the surface composes them over its background bitmap in list
// order, hit-tests them under the mouse and tells them when it changes.
// The turtle's graphic state implements this interface.
//
// Threads and locks. The surface calls paintOn(), graphicRect(), isShown()
// and hitTest() on the user-interface thread while it holds its drawing
// lock and its graphic-list lock (in that order). An implementation changes
// what these read (position, shape, shown state) only while it holds the
// surface's drawing lock, so a paint never sees a half-made change.
#pragma once

#include <cstdint>

#include "platform/input_event.h"
#include "platform/pixel_rect.h"

typedef struct _cairo cairo_t;

namespace lx {

class tmultiobject;
class tgrScreen;

enum class GraphicKind : uint8_t {
  Ordinary = 0,       // a turtle
  Auxiliary = 1,      // the graphic of another object (a text box's frame)
  SizeableFrame = 2,  // a frame the user sizes with the mouse
};

// Mouse notifications for a graphic. The point is relative to the upper-left
// corner of the graphic's rectangle.
enum class GraphicMouseKind : uint8_t { Down, Move, Up, Click, Enter, Leave };

struct GraphicMouse {
  GraphicMouseKind kind = GraphicMouseKind::Move;
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::None;
  MouseButtons held = kNoButtons;
  Modifiers modifiers = kNoModifiers;
  int clicks = 1;
};

class tSurfaceGraphic {
 public:
  virtual ~tSurfaceGraphic() = default;

  virtual GraphicKind graphicKind() const { return GraphicKind::Ordinary; }
  virtual bool isShown() const = 0;
  virtual bool hitTestEnabled() const { return true; }
  // Where the graphic is drawn now, in pixels of the surface.
  virtual PixelRect graphicRect() const = 0;
  // Draws the graphic on the composite picture (cairo context in surface
  // pixels, already clipped to the area being painted).
  virtual void paintOn(cairo_t* canvas) const = 0;
  // Whether a point relative to graphicRect() hits the graphic's shape
  // (auxiliary graphics are hit anywhere in their rectangle).
  virtual bool hitTest(int x, int y) const = 0;
  // Mouse notifications (user-interface thread, locks released).
  virtual void mouseEvent(const GraphicMouse& event) { (void)event; }

  // The surface is being destroyed: forget it (and the object link); the
  // surface removes the graphic from its list itself.
  virtual void surfaceGone() = 0;
  // The surface changed size: re-apply the boundary.
  virtual void surfaceResized() {}
  // `clearscreen`: go home without drawing.
  virtual void goHome() {}
  // The Logo object this graphic belongs to (none for auxiliary graphics).
  virtual tmultiobject* graphicObject() const { return nullptr; }

  // Given by the surface when the graphic registers: a program-wide count
  // from 1, by which objects are sorted by age.
  uint64_t creationNumber = 0;
};

}  // namespace lx
