// The font toolbar of a text box being edited: a small floating bar centred
// 5 pixels above the box (below it when there is no room above, and kept
// inside the page) with bold, italic and underline toggles for the
// selection. It shows while the box is edited, has the focus and wants it
// (`showToolbar`); a press on it never takes the focus from the box.
#pragma once

#include "controls/control_graphic.h"

namespace lx {

class tlogotext;

class FontToolbar : public tControlGraphic {
 public:
  static constexpr int kButton = 24;  // each toggle, square
  static constexpr int kPad = 3;
  static constexpr PixelPoint kSize{3 * kButton + 4 * kPad, kButton + 2 * kPad};
  static constexpr int kGapToBox = 5;

  FontToolbar(tgrScreen& surface, tlogotext& box);

  // Takes its place and its shown state from the box.
  void follow();

  bool focusable() const override { return false; }
  void mouseEvent(const GraphicMouse& event) override;

 protected:
  void draw(cairo_t* canvas) const override;
  bool focusOnPress() const override { return false; }

 private:
  // The toggle under x (0 bold, 1 italic, 2 underline), or -1.
  static int toggleAt(int x, int y);

  tlogotext& box_;
  int hot_ = -1;  // the toggle under the pointer
};

}  // namespace lx
