// The drawing surface: bitmap, settings, graphics and composition.
#include "graphics/gr_screen.h"

#include <cairo.h>

#include <chrono>

#include "graphics/composite_bitmap.h"
#include "graphics/undo_bitmap.h"

namespace lx {
namespace {

int64_t steadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

tgrScreen::tgrScreen(std::shared_ptr<PlatformWindow> window)
    : window_(std::move(window)),
      bitmap_(window_->clientWidth(), window_->clientHeight(), kWhite),
      origin_{window_->clientWidth() / 2, window_->clientHeight() / 2},
      defaultRange_(defaultRangeFor(window_->clientWidth(), window_->clientHeight())) {
  window_->setPaintHandler([this](PixelBuffer& pixels, const PixelRect& dirty) { paint(pixels, dirty); });
  // The drawing follows the window's client area, whoever changed it.
  window_->setResizeHandler([this](int width, int height) { resize(width, height); });
}

tgrScreen::~tgrScreen() {
  if (parent()) setParent(nullptr, {});
  undoBitmap().forget(*this);
  for (tSurfaceGraphic* graphic : graphics_.takeAll()) graphic->surfaceGone();
  hot_ = captured_ = nullptr;
  window_->setPaintHandler(nullptr);
  window_->setInputHandler(nullptr);
  window_->setResizeHandler(nullptr);
}

int tgrScreen::width() const {
  DrawingLock held = lockDrawing();
  return bitmap_.width();
}

int tgrScreen::height() const {
  DrawingLock held = lockDrawing();
  return bitmap_.height();
}

Rgb tgrScreen::pixelAt(int x, int y) const {
  DrawingLock held = lockDrawing();
  bitmap_.flush();
  return bitmap_.pixel(x, y, background_);
}

void tgrScreen::clean() {
  {
    DrawingLock held = lockDrawing();
    bitmap_.flush();
    bitmap_.fill(background_);
    bitmap_.markDirty();
  }
  invalidateAll();
}

void tgrScreen::resize(int width, int height) {
  if (width == this->width() && height == this->height()) return;
  {
    DrawingLock held = lockDrawing();
    bitmap_.flush();
    bitmap_.resize(width, height, background_);
    defaultRange_ = defaultRangeFor(bitmap_.width(), bitmap_.height());
  }
  for (tSurfaceGraphic* graphic : graphics_.snapshot()) graphic->surfaceResized();
  invalidateAll();
}

void tgrScreen::invalidate(const PixelRect& rect, int penWidth) {
  invalidateExact(grownRect(rect, (penWidth > 0 ? penWidth / 2 : 0) + 3));
}

void tgrScreen::invalidateExact(const PixelRect& rect) {
  window_->invalidate(rect);
  tgrScreen* parent;
  PixelPoint position;
  {
    std::lock_guard held(parentMutex_);
    parent = parent_;
    position = positionInParent_;
  }
  if (!parent) return;
  const PixelRect mine = intersect(rect, {0, 0, width(), height()});
  parent->invalidateExact({mine.x + position.x, mine.y + position.y, mine.width, mine.height});
}

void tgrScreen::invalidateAll() {
  invalidateExact({0, 0, 1 << 30, 1 << 30});
}

// Repaints where the surface was and where it is now, each through the
// parent of the moment.
void tgrScreen::setParent(tgrScreen* parent, PixelPoint position) {
  if (this->parent()) invalidateAll();
  {
    std::lock_guard held(parentMutex_);
    parent_ = parent;
    positionInParent_ = position;
  }
  invalidateAll();
}

tgrScreen* tgrScreen::parent() const {
  std::lock_guard held(parentMutex_);
  return parent_;
}

PixelPoint tgrScreen::positionInParent() const {
  std::lock_guard held(parentMutex_);
  return positionInParent_;
}

Rgb tgrScreen::backgroundColour() const {
  DrawingLock held = lockDrawing();
  return background_;
}

void tgrScreen::setBackgroundColour(Rgb colour) {
  DrawingLock held = lockDrawing();
  background_ = colour & 0xFFFFFF;
}

void tgrScreen::registerGraphic(tSurfaceGraphic& graphic) {
  graphics_.add(graphic);
}

void tgrScreen::unregisterGraphic(tSurfaceGraphic& graphic) {
  PixelRect where;
  {
    DrawingLock held = lockDrawing();
    if (hot_ == &graphic) hot_ = nullptr;
    if (captured_ == &graphic) captured_ = nullptr;
    where = graphic.graphicRect();
    graphics_.remove(graphic);
  }
  invalidateExact(where);
}

void tgrScreen::toFront(tSurfaceGraphic& graphic) {
  if (graphics_.toFront(graphic)) invalidateExact(graphic.graphicRect());
}

void tgrScreen::toBack(tSurfaceGraphic& graphic) {
  if (graphics_.toBack(graphic)) invalidateExact(graphic.graphicRect());
}

tSurfaceGraphic* tgrScreen::graphicAt(int x, int y) const {
  DrawingLock drawing = lockDrawing();
  GraphicList::Lock held = graphics_.lock();
  const std::vector<tSurfaceGraphic*>& list = graphics_.locked(held);
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    tSurfaceGraphic* graphic = *it;
    if (!graphic->isShown() || !graphic->hitTestEnabled()) continue;
    const PixelRect rect = graphic->graphicRect();
    if (!rect.contains(x, y)) continue;
    if (graphic->graphicKind() != GraphicKind::Ordinary || graphic->hitTest(x - rect.x, y - rect.y))
      return graphic;
  }
  return nullptr;
}

void tgrScreen::enablePainting() {
  paintingEnabled_ = true;
  invalidateAll();
}

void tgrScreen::compose(PixelBuffer& target, const PixelRect& area) {
  DrawingLock drawing = lockDrawing();
  const PixelRect rect = intersect(area, target.bounds());
  if (rect.isEmpty()) return;
  PixelBuffer& composite = compositeBitmap(rect);
  bitmap_.flush();
  composite.flush();
  // Outside the bitmap (a window larger than its drawing) shows the background colour.
  composite.fillRect(rect, background_);
  composite.copyFrom(bitmap_, rect);
  composite.markDirty();
  cairo_t* cr = cairo_create(composite.cairoSurface());
  cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
  cairo_clip(cr);
  {
    GraphicList::Lock held = graphics_.lock();
    for (tSurfaceGraphic* graphic : graphics_.locked(held)) {
      if (!graphic->isShown() || intersect(graphic->graphicRect(), rect).isEmpty()) continue;
      cairo_save(cr);
      graphic->paintOn(cr);
      cairo_restore(cr);
    }
  }
  if (childPainter_) childPainter_(cr, rect);
  if (overlay_) overlay_(cr, rect);
  cairo_destroy(cr);
  composite.flush();
  target.flush();
  target.copyFrom(composite, rect);
  target.markDirty();
}

void tgrScreen::paintInto(cairo_t* cr, PixelPoint offset) {
  DrawingLock drawing = lockDrawing();
  bitmap_.flush();
  cairo_save(cr);
  cairo_translate(cr, offset.x, offset.y);
  cairo_rectangle(cr, 0, 0, bitmap_.width(), bitmap_.height());
  cairo_clip(cr);
  cairo_set_source_surface(cr, bitmap_.cairoSurface(), 0, 0);
  cairo_paint(cr);
  {
    GraphicList::Lock held = graphics_.lock();
    for (tSurfaceGraphic* graphic : graphics_.locked(held)) {
      if (!graphic->isShown()) continue;
      cairo_save(cr);
      graphic->paintOn(cr);
      cairo_restore(cr);
    }
  }
  if (childPainter_) childPainter_(cr, bitmap_.bounds());
  cairo_restore(cr);
}

void tgrScreen::paint(PixelBuffer& pixels, const PixelRect& dirty) {
  if (!paintingEnabled_) return;
  compose(pixels, dirty);
  lastPaintTick_ = steadyMilliseconds();
}

}  // namespace lx
