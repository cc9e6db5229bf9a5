// The tooltip that shows a turtle's `hint`: after the pointer has rested a
// while over one graphic whose hint is not empty, a small box with the hint
// text appears near the pointer, drawn by us over the picture of the
// outermost window (the one the user sees), and goes away when the pointer
// moves off the graphic, leaves, a button is pressed, or after a while.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "graphics/surface_geometry.h"
#include "platform/platform_window.h"

typedef struct _cairo cairo_t;

namespace lx {

// The tooltip's colours: a pale yellow face in a thin dark border.
inline constexpr Rgb kHintFace = rgb(255, 255, 225);
inline constexpr Rgb kHintBorder = rgb(64, 64, 64);

// How long the pointer must rest before the tooltip shows, and how long it stays.
inline constexpr std::chrono::milliseconds kHintDelay{600};
inline constexpr std::chrono::milliseconds kHintDuration{5000};

// The box a hint's text needs with the pointer at `at`: below the pointer's
// arrow, moved to stay inside a client area of `width` x `height`.
PixelRect hintBoxAt(const std::string& text, PixelPoint at, int width, int height);
// Draws the box and its text (internal text; carriage returns break lines).
void paintHint(cairo_t* canvas, const std::string& text, const PixelRect& box);

// One per surface's mouse; user-interface thread only.
class HintTooltip {
 public:
  explicit HintTooltip(UiThread& ui) : ui_(ui) {}
  ~HintTooltip();
  HintTooltip(const HintTooltip&) = delete;
  HintTooltip& operator=(const HintTooltip&) = delete;

  // The pointer is at `at` in `window`'s client pixels over `source` (none:
  // over no graphic), whose hint is `text`. Over a new source the tooltip
  // starts again; over the same one a shown tooltip stays where it is.
  void pointerOver(const void* source, const std::string& text, PlatformWindow& window, PixelPoint at);
  // A button was pressed: the tooltip goes and stays away until the pointer
  // comes over another graphic.
  void dismiss();
  // The pointer left the surface.
  void pointerGone();

  bool shown() const { return shown_; }
  // Where the tooltip is drawn in the outermost window's client area.
  PixelRect box() const { return box_; }

 private:
  void show();
  void hide();
  void killTimers();

  UiThread& ui_;
  const void* source_ = nullptr;  // only compared, never followed
  std::string text_;
  std::weak_ptr<PlatformWindow> window_;  // the outermost window
  PixelPoint at_;                         // the pointer there
  bool shown_ = false;
  bool dismissed_ = false;  // shown or pressed away over source_
  PixelRect box_;
  TimerId restTimer_ = 0;
  TimerId endTimer_ = 0;
};

}  // namespace lx
