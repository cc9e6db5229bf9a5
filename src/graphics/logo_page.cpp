// Pages and panes: their surfaces, and panes shown on their pages.
#include "graphics/logo_page.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "graphics/surface_properties.h"
#include "graphics/window_object.h"

namespace lx {

void tlogopage::prepare() {
  makeSurface(*this, erInitPage, "page");
  surface()->setChildPainter([this](cairo_t* canvas, const PixelRect&) { paintPanes(canvas); });
  surfaceMouse()->setChildFinder([this](int x, int y) { return paneAt(x, y); });
}

// Painting starts when the page is complete. A page made in a window joins
// the window's pages, which shows it.
void tlogopage::afterCreate() {
  tcontainerobject::afterCreate();
  if (tgrScreen* screen = surface()) screen->enablePainting();
  if (tmultiobject* window = place(); window && window->isWindow()) window->addPage(*this);
}

void tlogopage::rename(const std::string& newName) {
  const NameCode oldCode = codeOf(name());
  tcontainerobject::rename(newName);
  if (window_ && codeOf(name()) != oldCode) window_->pageRenamed(*this, oldCode);
}

void tlogopage::checkErasable() const {
  if (window_ && window_->alive() && window_->currentPage() == this && window_->pageCount() == 1)
    throw eLogoException::withWord(erEraseOnlyPage, name());
}

void tlogopage::showSurface(bool shown) {
  tgrScreen* screen = surface();
  if (!screen) return;
  if (shown) screen->enablePainting();
  screen->window().setVisible(shown);
}

void tlogopage::beforeFree() {
  if (tSplitwindow* window = std::exchange(window_, nullptr)) window->pageRemoved(*this);
  if (tgrScreen* screen = surface()) {
    auto drawing = screen->lockDrawing();
    for (tlogopane* pane : panes_) pane->detachFromPage();
    panes_.clear();
  }
  dropSurface();
  tcontainerobject::beforeFree();
}

void tlogopage::addPane(tlogopane& pane) {
  auto drawing = surface()->lockDrawing();
  panes_.push_back(&pane);
}

void tlogopage::removePane(tlogopane& pane) {
  if (!surface()) return;
  auto drawing = surface()->lockDrawing();
  panes_.erase(std::remove(panes_.begin(), panes_.end(), &pane), panes_.end());
}

void tlogopage::paneToFront(tlogopane& pane) {
  {
    auto drawing = surface()->lockDrawing();
    panes_.erase(std::remove(panes_.begin(), panes_.end(), &pane), panes_.end());
    panes_.push_back(&pane);
  }
  if (pane.surface()) pane.surface()->invalidateAll();
}

void tlogopage::paneToBack(tlogopane& pane) {
  {
    auto drawing = surface()->lockDrawing();
    panes_.erase(std::remove(panes_.begin(), panes_.end(), &pane), panes_.end());
    panes_.insert(panes_.begin(), &pane);
  }
  if (pane.surface()) pane.surface()->invalidateAll();
}

// The topmost pane under the point: panes are drawn in list order.
SurfaceMouse::Child tlogopage::paneAt(int x, int y) {
  auto drawing = surface()->lockDrawing();
  for (auto it = panes_.rbegin(); it != panes_.rend(); ++it) {
    tgrScreen* screen = (*it)->surface();
    if (!screen) continue;
    const PixelPoint at = (*it)->position();
    if (PixelRect{at.x, at.y, screen->width(), screen->height()}.contains(x, y))
      return {&screen->window(), at};
  }
  return {};
}

void tlogopage::paintPanes(cairo_t* canvas) {
  for (tlogopane* pane : panes_) {
    tgrScreen* screen = pane->surface();
    if (screen && screen->paintingEnabled()) screen->paintInto(canvas, pane->position());
  }
}

void tlogopane::prepare() {
  makeSurface(*this, erInitPane, "pane");
}

tlogopage* tlogopane::page() const {
  if (page_ || created) return page_;
  for (tmultiobject* at = place(); at; at = at->place())
    if (auto* holder = dynamic_cast<tlogopage*>(at); holder && holder->surface()) return holder;
  return nullptr;
}

void tlogopane::afterCreate() {
  page_ = page();
  tcontainingcontrol::afterCreate();
  if (page_) page_->addPane(*this);
  if (tgrScreen* screen = surface()) {
    if (page_) screen->setParent(page_->surface(), position_);
    screen->enablePainting();
  }
}

void tlogopane::afterCreateHandlers(CreateMode mode) {
  tcontainingcontrol::afterCreateHandlers(mode);
  if (mode == CreateMode::TakeLoadValues && !backgroundGiven) takeBackgroundFromVariables(*this);
}

void tlogopane::beforeFree() {
  if (page_) page_->removePane(*this);
  page_ = nullptr;
  dropSurface();
  tcontainingcontrol::beforeFree();
}

void tlogopane::detachFromPage() {
  page_ = nullptr;
  if (tgrScreen* screen = surface()) screen->setParent(nullptr, position_);
}

void tlogopane::moveTo(PixelPoint position) {
  position_ = position;
  tgrScreen* screen = surface();
  if (!screen) return;
  screen->setParent(page_ ? page_->surface() : nullptr, position_);
}

tmultiobject& surfaceObjectOf(tmultiobject& object) {
  for (tmultiobject* at = &object; at; at = at->place())
    if (surfaceOf(*at)) return *at;
  throw eLogoException(erInitPage);
}

tgrScreen& drawingSurfaceOf(tmultiobject& object) {
  return *surfaceOf(surfaceObjectOf(object));
}

}  // namespace lx
