// Figures of the drawing surface on a 796 x 499 page: background lines,
// the flood fill of the whole page, and paints of the whole page and of a
// small invalidated rectangle with fifty graphics composed over the drawing.
#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "graphics/background_shapes.h"
#include "graphics/gr_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsFor(int rounds, const std::function<void()>& work) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A 30 x 30 square standing in for a turtle.
class Square : public lx::tSurfaceGraphic {
 public:
  explicit Square(lx::PixelRect rect) : rect_(rect) {}
  bool isShown() const override { return true; }
  lx::PixelRect graphicRect() const override { return rect_; }
  void paintOn(cairo_t* cr) const override {
    cairo_set_source_rgb(cr, 0, 0.5, 0);
    cairo_rectangle(cr, rect_.x, rect_.y, rect_.width, rect_.height);
    cairo_fill(cr);
  }
  bool hitTest(int, int) const override { return true; }
  void surfaceGone() override {}

 private:
  lx::PixelRect rect_;
};

}  // namespace

int main() {
  lx::UiThread ui;
  auto window = std::make_shared<lx::PlatformWindow>(ui, lx::WindowParams{"bench", 0, 0, 796, 499, false});
  lx::tgrScreen surface(window);
  surface.enablePainting();

  const int lines = 20000;
  const double line = secondsFor(lines, [&, i = 0]() mutable {
    ++i;
    lx::drawLine(surface, {double(i % 796), 0}, {double((i * 7) % 796), 498});
  });
  std::printf("bgline across the page: %.1f us per line\n", line * 1e6 / lines);

  const int fills = 50;
  const double fill = secondsFor(fills, [&, i = 0]() mutable {
    surface.setLineColour(++i % 2 ? 0xFF0000 : 0x0000FF);
    lx::fillArea(surface, {400, 250});
  });
  std::printf("flood fill of the whole page (lines as borders): %.2f ms\n", fill * 1e3 / fills);

  std::vector<std::unique_ptr<Square>> squares;
  for (int i = 0; i < 50; ++i) {
    squares.push_back(std::make_unique<Square>(lx::PixelRect{(i * 97) % 760, (i * 53) % 460, 30, 30}));
    surface.registerGraphic(*squares.back());
  }
  const int paints = 200;
  const double whole = secondsFor(paints, [&] {
    surface.invalidateAll();
    window->paintNow();
  });
  std::printf("paint of the whole page with 50 graphics: %.2f ms\n", whole * 1e3 / paints);
  const double small = secondsFor(paints * 10, [&] {
    surface.invalidate({100, 100, 10, 10});
    window->paintNow();
  });
  std::printf("paint of a 10 x 10 change (grown by the pen): %.1f us\n", small * 1e6 / (paints * 10));
  for (auto& square : squares) surface.unregisterGraphic(*square);
}
