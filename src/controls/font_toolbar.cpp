// The text box's floating font toolbar.
#include "controls/font_toolbar.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>

#include "controls/control_painting.h"
#include "controls/control_text.h"
#include "controls/text_box.h"

namespace lx {
namespace {

constexpr uint8_t kStyles[] = {TurtleFont::Bold, TurtleFont::Italic, TurtleFont::Underline};
constexpr const char* kLetters[] = {"B", "I", "U"};

}  // namespace

FontToolbar::FontToolbar(tgrScreen& surface, tlogotext& box)
    : tControlGraphic(surface, *box.object(), kSize), box_(box) {
  setShown(false);
}

void FontToolbar::follow() {
  const PixelPoint at = box_.position();
  const PixelPoint size = box_.size();
  int x = at.x + (size.x - kSize.x) / 2;
  int y = at.y - kGapToBox - kSize.y;
  if (y < 0) y = at.y + size.y + kGapToBox;
  if (tgrScreen* screen = surface()) x = std::clamp(x, 0, std::max(0, screen->width() - kSize.x));
  moveTo({x, y});
  setShown(box_.isEditing() && box_.showToolbar() && box_.shown() && box_.focused());
}

int FontToolbar::toggleAt(int x, int y) {
  if (y < kPad || y >= kPad + kButton) return -1;
  for (int i = 0; i < 3; ++i) {
    const int left = kPad + i * (kButton + kPad);
    if (x >= left && x < left + kButton) return i;
  }
  return -1;
}

// The bar is the box's tool, not an object of its own: it raises no Logo
// mouse events, and a press toggles a style of the box's selection.
void FontToolbar::mouseEvent(const GraphicMouse& event) {
  const int hot = event.kind == GraphicMouseKind::Leave ? -1 : toggleAt(event.x, event.y);
  if (hot != hot_) {
    hot_ = hot;
    repaint();
  }
  if (event.kind == GraphicMouseKind::Down && event.button == MouseButton::Left && hot >= 0)
    box_.toggleStyle(kStyles[hot]);
}

void FontToolbar::draw(cairo_t* canvas) const {
  drawFrame(canvas, kSize.x, kSize.y, look::kBar, look::kBorder);
  for (int i = 0; i < 3; ++i) {
    const int left = kPad + i * (kButton + kPad);
    const bool on = box_.selectionShows(kStyles[i]);
    const Rgb face = on ? look::kFaceDown : hot_ == i ? look::kFaceHover : look::kFace;
    cairo_save(canvas);
    cairo_translate(canvas, left, kPad);
    drawFrame(canvas, kButton, kButton, face, on ? look::kAccent : look::kBorder);
    TurtleFont font = controlFont();
    font.style = kStyles[i];
    PangoLayout* layout = controlLayout(canvas, kLetters[i], font);
    const TextSize text = layoutSize(layout);
    setColour(canvas, look::kText);
    cairo_move_to(canvas, (kButton - text.width) / 2.0, (kButton - text.height) / 2.0);
    pango_cairo_show_layout(canvas, layout);
    g_object_unref(layout);
    cairo_restore(canvas);
  }
}

}  // namespace lx
