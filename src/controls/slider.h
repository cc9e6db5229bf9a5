// TLogoSlider: the slider's control — a horizontal or vertical track with a
// thumb. The left button drags the thumb, or pages toward the pointer when
// pressed beside it; with the focus, the arrows step by one, Page Up and
// Page Down by a page, Home and End go to the ends. Every change of the
// position raises `onChange`; the end of a press or a key that changed it
// raises `onChanged` (both through ChangeEvents, one handler at a time).
// Nothing is raised for the values a slider is made with.
#pragma once

#include "controls/change_events.h"
#include "controls/control_graphic.h"
#include "controls/slider_range.h"

namespace lx {

class TLogoSlider : public tControlGraphic {
 public:
  static constexpr PixelPoint kDefaultSize{150, 28};
  static constexpr int kDefaultThumbLength = 20;
  static constexpr Rgb kStandardColour = rgb(240, 240, 240);

  TLogoSlider(tgrScreen& surface, tmultiobject& object);

  const SliderRange& range() const { return range_; }
  // Setting from Logo: a change raises `onChange` and `onChanged`.
  void setMin(int32_t min);
  void setMax(int32_t max);
  void setValue(int32_t value);

  bool vertical() const { return vertical_; }
  void setVertical(bool vertical);
  int thumbLength() const { return thumbLength_; }
  void setThumbLength(int length);
  Rgb colour() const { return colour_; }
  void setColour(Rgb colour);
  bool transparent() const { return transparent_; }
  void setTransparent(bool transparent);

  bool key(const KeyEvent& event) override;

 protected:
  void draw(cairo_t* canvas) const override;
  void mouse(const GraphicMouse& event) override;

 private:
  int trackLength() const { return vertical_ ? size().y : size().x; }
  int along(const GraphicMouse& event) const { return vertical_ ? event.y : event.x; }
  double thumbEdge() const { return range_.thumbEdge(trackLength(), thumbLength_); }
  // A change made by Logo code.
  void logoChange(bool changed);
  // A change made by the user.
  void moveTo(int64_t position);
  void pageToward(int at);

  SliderRange range_;
  bool vertical_ = false;
  int thumbLength_ = kDefaultThumbLength;
  Rgb colour_ = kStandardColour;
  bool transparent_ = false;
  bool dragging_ = false;  // the thumb follows the pointer
  bool paging_ = false;    // the press was beside the thumb
  double grab_ = 0;        // where in the thumb the press took it
  bool changedInPress_ = false;
  ChangeEvents events_;
};

}  // namespace lx
