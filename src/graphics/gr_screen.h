// tgrScreen: the drawing surface of a page or a pane. It owns the 24-bit
// background bitmap that every line, fill, stamp and label is drawn into,
// the drawing settings of the background commands, the origin of page
// coordinates and the list of graphics (turtles) that are composed over the
// bitmap whenever its window paints.
//
// Threads and locks.
// - Drawing lock (lockDrawing): a recursive lock per bitmap. Logo processes
//   draw directly into bitmap() while they hold it, then invalidate the
//   changed rectangle; the user-interface thread holds it while it composes.
//   Turtles change what their paint reads only while holding it.
// - Graphic-list lock (graphics().lock()): taken after the drawing lock,
//   never before it.
// - The window: made and destroyed on the user-interface thread; invalidate
//   may be called from any thread.
// - Parent lock (parentMutex_): guards where a surface shows inside another;
//   a leaf lock, nothing is taken while it is held.
// The drawing settings (colours, pen, origin) are read and written by Logo
// code, which holds the interpreter lock; the background colour, which
// composition reads too, changes only under the drawing lock.
//
// Layer: graphics, above objects and prims. Surfaces, pages, panes,
// windows, turtles and drawing lists, drawn with cairo into bitmaps that
// the platform layer shows.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "graphics/graphic_list.h"
#include "graphics/pen_pattern.h"
#include "graphics/surface_geometry.h"
#include "platform/pixel_buffer.h"
#include "platform/platform_window.h"

namespace lx {

class tmultiobject;

class tgrScreen {
 public:
  using DrawingLock = std::unique_lock<std::recursive_mutex>;

  // A surface showing in `window` (user-interface thread), with a bitmap of
  // the window's client size filled with white and the origin at its centre.
  // Painting stays off until enablePainting().
  explicit tgrScreen(std::shared_ptr<PlatformWindow> window);
  // Clears undo if this is the undo object, tells every graphic the surface
  // is gone and lets go of the window's handlers (user-interface thread).
  ~tgrScreen();
  tgrScreen(const tgrScreen&) = delete;
  tgrScreen& operator=(const tgrScreen&) = delete;

  // The page or pane object that owns the surface (it outlives the surface).
  tmultiobject* owner() const { return owner_; }
  void setOwner(tmultiobject* owner) { owner_ = owner; }
  PlatformWindow& window() const { return *window_; }

  // --- The background bitmap ---
  [[nodiscard]] DrawingLock lockDrawing() const { return DrawingLock(drawingMutex_); }
  // The drawing itself; only while the drawing lock is held.
  PixelBuffer& bitmap() { return bitmap_; }
  const PixelBuffer& bitmap() const { return bitmap_; }
  int width() const;
  int height() const;
  // The colour at a pixel, the background colour outside the bitmap (any thread).
  Rgb pixelAt(int x, int y) const;
  // Fills the whole bitmap with the background colour and repaints.
  void clean();
  // Changes the bitmap to the new size: the pixels both share stay, new ones
  // get the background colour; the default range follows, the origin stays,
  // and every graphic re-applies its boundary. Runs when the window's
  // client area changes size.
  void resize(int width, int height);

  // --- Drawing settings of the background commands ---
  Rgb backgroundColour() const;
  void setBackgroundColour(Rgb colour);
  // Line colour, width and pattern of the bg commands.
  const Pen& linePen() const { return linePen_; }
  void setLineColour(Rgb colour) { linePen_.colour = colour & 0xFFFFFF; }
  void setLineWidth(int width) { linePen_.width = width; }
  void setLinePattern(int index) { linePen_.style = penStyleOf(index); }

  // --- Coordinates ---
  PixelPoint origin() const { return origin_; }
  void setOrigin(PixelPoint origin) { origin_ = origin; }
  SurfaceRange defaultRange() const { return defaultRange_; }
  PointF toPixel(PointF page) const { return pixelFromPage(origin_, page); }
  PointF toPage(PointF pixel) const { return pageFromPixel(origin_, pixel); }
  // [-origin x, origin y]: the page coordinates of the upper-left pixel.
  PointF upperLeft() const { return toPage({0, 0}); }

  // --- Invalidation (any thread) ---
  // Orders nothing (a PixelRect is ordered), grows the rectangle by
  // (penWidth div 2) + 3 on every side and repaints that area.
  void invalidate(const PixelRect& rect, int penWidth = 1);
  // Repaints exactly `rect`.
  void invalidateExact(const PixelRect& rect);
  void invalidateAll();

  // --- Graphics (turtles) ---
  GraphicList& graphics() { return graphics_; }
  const GraphicList& graphics() const { return graphics_; }
  void registerGraphic(tSurfaceGraphic& graphic);
  // Removes the graphic, forgets it as hot or captured one, repaints where it was.
  void unregisterGraphic(tSurfaceGraphic& graphic);
  void toFront(tSurfaceGraphic& graphic);
  void toBack(tSurfaceGraphic& graphic);
  // The graphic under the mouse (enter/leave) and the one that took the
  // last press (user-interface thread).
  tSurfaceGraphic* hotGraphic() const { return hot_; }
  tSurfaceGraphic* capturedGraphic() const { return captured_; }
  void setHotGraphic(tSurfaceGraphic* graphic) { hot_ = graphic; }
  void setCapturedGraphic(tSurfaceGraphic* graphic) { captured_ = graphic; }
  // The topmost shown, hit-testable graphic whose shape holds the pixel,
  // or none (user-interface thread or Logo code).
  tSurfaceGraphic* graphicAt(int x, int y) const;

  // --- Painting (user-interface thread) ---
  void enablePainting();
  bool paintingEnabled() const { return paintingEnabled_; }
  // Composes background and shown graphics of `rect` into `target` (same
  // coordinates), through the shared composite picture.
  void compose(PixelBuffer& target, const PixelRect& rect);
  // Extra painting over the composed area, after the graphics and child
  // surfaces (the drawing in progress): run with the drawing lock held.
  using OverlayPainter = std::function<void(cairo_t* canvas, const PixelRect& rect)>;
  void setOverlayPainter(OverlayPainter painter) { overlay_ = std::move(painter); }
  // Paints background and shown graphics onto `canvas` with the surface's
  // upper-left pixel at `offset` (a pane drawn on its page).
  void paintInto(cairo_t* canvas, PixelPoint offset);
  // A surface shown inside another (a pane on its page) at `position`:
  // invalidations pass on to the parent; none detaches it. Any thread.
  void setParent(tgrScreen* parent, PixelPoint position);
  tgrScreen* parent() const;
  PixelPoint positionInParent() const;
  // Painting of child surfaces over the composed area (set by the page).
  void setChildPainter(OverlayPainter painter) { childPainter_ = std::move(painter); }
  // Milliseconds of the steady clock at the end of the last paint.
  int64_t lastPaintTick() const { return lastPaintTick_; }

 private:
  void paint(PixelBuffer& pixels, const PixelRect& dirty);

  std::shared_ptr<PlatformWindow> window_;
  tmultiobject* owner_ = nullptr;
  mutable std::recursive_mutex drawingMutex_;
  PixelBuffer bitmap_;       // guarded by drawingMutex_
  Rgb background_ = kWhite;  // guarded by drawingMutex_
  Pen linePen_;
  PixelPoint origin_;
  SurfaceRange defaultRange_;
  GraphicList graphics_;
  tSurfaceGraphic* hot_ = nullptr;
  tSurfaceGraphic* captured_ = nullptr;
  std::atomic<bool> paintingEnabled_{false};  // set by the owner's process, read by paints
  OverlayPainter overlay_;
  OverlayPainter childPainter_;
  mutable std::mutex parentMutex_;
  tgrScreen* parent_ = nullptr;  // guarded by parentMutex_
  PixelPoint positionInParent_;  // guarded by parentMutex_
  std::atomic<int64_t> lastPaintTick_{0};
};

}  // namespace lx
