// A graphic for surface tests: a filled square of one colour that records
// what the surface told it.
#pragma once

#include <cairo.h>

#include <vector>

#include "graphics/gr_screen.h"
#include "objects/multi_object.h"

namespace lx::testing {

class FakeGraphic : public tSurfaceGraphic {
 public:
  FakeGraphic(PixelRect rect, Rgb colour) : rect(rect), colour(colour) {}

  bool isShown() const override { return shown; }
  PixelRect graphicRect() const override { return rect; }
  void paintOn(cairo_t* cr) const override {
    cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         (colour & 0xFF) / 255.0);
    cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    cairo_fill(cr);
  }
  // Only the left half of the square counts as its shape.
  bool hitTest(int x, int) const override { return x < rect.width / 2; }
  void mouseEvent(const GraphicMouse& event) override { mice.push_back(event); }
  void surfaceGone() override { gone = true; }
  void surfaceResized() override { ++resized; }
  void goHome() override { ++homes; }
  tmultiobject* graphicObject() const override { return object; }

  PixelRect rect;
  Rgb colour;
  bool shown = true;
  bool gone = false;
  int resized = 0;
  int homes = 0;
  std::vector<GraphicMouse> mice;
  tmultiobject* object = nullptr;  // the Logo object it stands for, if any
};

}  // namespace lx::testing
