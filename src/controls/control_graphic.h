// tControlGraphic: a control drawn by us on a page — a text box, a button, a
// slider. It is a graphic of the page's surface: the surface composes it over
// the drawing in list order and sends it the mouse; the focus handling sends
// it keys. Each kind of control draws itself and reacts to input; this base
// keeps the rectangle, the shown and enabled state, hovering and focus.
//
// Threads. Everything here runs on the user-interface thread: input comes
// there, paints happen there, and the controls' properties are protected
// work, run there while the Logo process that asked waits with its
// interpreter lock lent. So the state needs no lock of its own; it changes
// under the surface's drawing lock all the same, as the surface expects of
// what its paints read.
#pragma once

#include "graphics/control_mouse.h"
#include "graphics/gr_screen.h"

namespace lx {

class tmultiobject;

class tControlGraphic : public tSurfaceGraphic {
 public:
  // A control of `object` on `surface` with its upper-left corner at the
  // surface's pixel (0, 0); not yet registered.
  tControlGraphic(tgrScreen& surface, tmultiobject& object, PixelPoint size);
  // Leaves the focus and the surface.
  ~tControlGraphic() override;
  tControlGraphic(const tControlGraphic&) = delete;
  tControlGraphic& operator=(const tControlGraphic&) = delete;

  // Enters the surface's graphic list: drawn and hit from then on.
  void registerOnSurface();
  // Leaves the focus and the surface's graphic list. Called while the
  // control is still whole: once its destruction has begun, the
  // user-interface thread must no longer find it to paint.
  void leaveSurface();
  tgrScreen* surface() const { return surface_; }
  tmultiobject* object() const { return object_; }

  // --- Geometry, in pixels of the surface ---
  PixelPoint position() const { return {rect_.x, rect_.y}; }
  PixelPoint size() const { return {rect_.width, rect_.height}; }
  void moveTo(PixelPoint position);
  // Sizes below 1 pixel become 1.
  void resize(int width, int height);

  // --- State ---
  bool shown() const { return shown_; }
  void setShown(bool shown);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool hovered() const { return hovered_; }
  // Whether the control has the keyboard focus.
  bool focused() const;
  // Whether Tab and a press give it the focus now.
  virtual bool focusable() const { return shown_ && enabled_; }
  // Takes the focus (when it can).
  void takeFocus();

  // --- Keys (while focused); answer whether the control took the key ---
  virtual bool key(const KeyEvent& event) {
    (void)event;
    return false;
  }
  virtual bool typed(const CharEvent& event) {
    (void)event;
    return false;
  }
  // The focus came or went.
  virtual void focusChanged(bool focused) { (void)focused; }

  // Lets the user move the control: until the left button is next
  // released, the control follows the pointer, held at the point where the
  // pointer is now. Meanwhile the pointer's moves and the release are the
  // move's, not the control's own (a button moved is not pressed).
  void startMove();
  bool moving() const { return moving_; }

  // Repaints the whole control with its focus ring.
  void repaint();

  // --- tSurfaceGraphic ---
  GraphicKind graphicKind() const override { return GraphicKind::Auxiliary; }
  bool isShown() const override { return shown_; }
  PixelRect graphicRect() const override { return rect_; }
  void paintOn(cairo_t* canvas) const override;
  bool hitTest(int, int) const override { return true; }
  void mouseEvent(const GraphicMouse& event) override;
  void surfaceGone() override;
  tmultiobject* graphicObject() const override { return object_; }

  // Room around the rectangle that the focus ring paints into.
  static constexpr int kRingRoom = 3;

 protected:
  // Draws the control with its upper-left corner at (0, 0).
  virtual void draw(cairo_t* canvas) const = 0;
  // The control's own reaction to the mouse (point relative to its corner);
  // the common Logo mouse events are raised besides.
  virtual void mouse(const GraphicMouse& event) { (void)event; }
  // Whether a left press takes the focus.
  virtual bool focusOnPress() const { return true; }
  // The size or the enabled state changed.
  virtual void geometryChanged() {}
  // The control moved, or was shown or hidden.
  virtual void placeChanged() {}
  // The control has just left its surface (what goes with it leaves too).
  virtual void leftSurface() {}

 private:
  PixelRect paintedArea() const;
  // A moving control's share of the mouse; answers whether it took the event.
  bool moveWithMouse(const GraphicMouse& event);

  tgrScreen* surface_;
  tmultiobject* object_;
  PixelRect rect_;
  bool shown_ = true;
  bool enabled_ = true;
  bool hovered_ = false;
  bool registered_ = false;
  bool moving_ = false;
  PixelPoint grab_{};  // where the pointer holds a moving control, from its corner
  ControlMouse logoMouse_;
};

}  // namespace lx
