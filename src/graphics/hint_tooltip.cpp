// The hint tooltip: when it shows and goes, where its box lies, and how it
// is drawn.
#include "graphics/hint_tooltip.h"

#include <cairo.h>

#include <algorithm>
#include <utility>

#include "graphics/turtle_label.h"

namespace lx {
namespace {

// The system's sans font at the size tooltips use.
const TurtleFont kHintFont{.size = 9};
constexpr int kPadding = 3;        // between the border and the text
constexpr int kBelowPointer = 20;  // the height of the pointer's arrow

// The outermost window and the point in it that `at` in `window` is.
std::shared_ptr<PlatformWindow> outermost(PlatformWindow& window, PixelPoint& at) {
  std::shared_ptr<PlatformWindow> current = window.shared_from_this();
  while (std::shared_ptr<PlatformWindow> host = current->host()) {
    const PixelRect area = current->areaInHost();
    at = {at.x + area.x, at.y + area.y};
    current = host;
  }
  return current;
}

}  // namespace

PixelRect hintBoxAt(const std::string& text, PixelPoint at, int width, int height) {
  const LabelExtent extent = measureLabel(text, kHintFont);
  const int boxWidth = extent.width + 2 * kPadding;
  const int boxHeight = extent.height + 2 * kPadding;
  int x = std::min(at.x, width - boxWidth);
  int y = at.y + kBelowPointer;
  // No room below the pointer: above it.
  if (y + boxHeight > height) y = at.y - boxHeight - 2;
  y = std::min(y, height - boxHeight);
  return {std::max(x, 0), std::max(y, 0), boxWidth, boxHeight};
}

void paintHint(cairo_t* cr, const std::string& text, const PixelRect& box) {
  cairo_save(cr);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  setSourceColour(cr, kHintFace);
  cairo_fill(cr);
  cairo_rectangle(cr, box.x + 0.5, box.y + 0.5, box.width - 1, box.height - 1);
  cairo_set_line_width(cr, 1);
  setSourceColour(cr, kHintBorder);
  cairo_stroke(cr);
  cairo_restore(cr);
  drawLabel(cr, text, kHintFont, rgb(0, 0, 0), asPointF({box.x + kPadding, box.y + kPadding}), 0);
}

HintTooltip::~HintTooltip() {
  hide();
}

void HintTooltip::pointerOver(const void* source, const std::string& text, PlatformWindow& window,
                              PixelPoint at) {
  if (source != source_) {
    hide();
    source_ = source;
    dismissed_ = false;
  }
  if (!source || text.empty()) {
    hide();
    return;
  }
  if (shown_ || dismissed_) return;
  text_ = text;
  window_ = outermost(window, at);
  at_ = at;
  // Resting means no move for a while: every move starts the wait again.
  if (restTimer_) ui_.killTimer(restTimer_);
  restTimer_ = ui_.setTimer(kHintDelay, TimerRepeat::Once, [this] {
    restTimer_ = 0;
    show();
  });
}

void HintTooltip::dismiss() {
  hide();
  dismissed_ = true;
}

void HintTooltip::pointerGone() {
  hide();
  source_ = nullptr;
  dismissed_ = false;
}

void HintTooltip::show() {
  std::shared_ptr<PlatformWindow> window = window_.lock();
  if (!window) return;
  box_ = hintBoxAt(text_, at_, window->clientWidth(), window->clientHeight());
  shown_ = true;
  dismissed_ = true;  // once over this graphic
  // The painter keeps copies: it may run after this tooltip is gone.
  window->setOverlayHandler([text = text_, box = box_](PixelBuffer& pixels, const PixelRect& dirty) {
    const PixelRect part = intersect(dirty, box);
    if (part.isEmpty()) return;
    pixels.flush();
    cairo_t* cr = cairo_create(pixels.cairoSurface());
    cairo_rectangle(cr, part.x, part.y, part.width, part.height);
    cairo_clip(cr);
    paintHint(cr, text, box);
    cairo_destroy(cr);
    pixels.markDirty();
  });
  window->invalidate(box_);
  endTimer_ = ui_.setTimer(kHintDuration, TimerRepeat::Once, [this] {
    endTimer_ = 0;
    hide();
  });
}

void HintTooltip::hide() {
  killTimers();
  if (!shown_) return;
  shown_ = false;
  if (std::shared_ptr<PlatformWindow> window = window_.lock()) {
    window->setOverlayHandler(nullptr);
    window->invalidate(box_);
  }
}

void HintTooltip::killTimers() {
  if (restTimer_) ui_.killTimer(std::exchange(restTimer_, 0));
  if (endTimer_) ui_.killTimer(std::exchange(endTimer_, 0));
}

}  // namespace lx
