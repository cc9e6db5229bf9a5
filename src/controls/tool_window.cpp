// Docking tool bars in their window.
#include "controls/tool_window.h"

#include "controls/control_painting.h"
#include "graphics/window_object.h"
#include "objects/events.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "platform/platform.h"

namespace lx {

bool isHorizontal(ttoolwindow::Align align) {
  return align == ttoolwindow::Align::Top || align == ttoolwindow::Align::Bottom;
}

void ttoolwindow::prepare() {
  makeSurface(*this, erInitToolWindow, "toolwindow");
  surface()->setBackgroundColour(look::kBar);
  surface()->clean();
}

DockEdge ttoolwindow::edge() const {
  switch (align_) {
    case Align::Bottom:
      return DockEdge::Bottom;
    case Align::Left:
      return DockEdge::Left;
    case Align::Right:
      return DockEdge::Right;
    default:
      return DockEdge::Top;
  }
}

// The bar shows in the panel of the window it stands in (through its page,
// when it was made on one); it stays off-screen when there is none.
void ttoolwindow::afterCreate() {
  tcontainerobject::afterCreate();
  tgrScreen* screen = surface();
  if (!screen) return;
  screen->enablePainting();
  window_ = windowOf(*this);
  dock();
}

// A bar that turns leaves its edge first, so that the window does not
// stretch it along the old edge while its sides are swapped.
void ttoolwindow::dock(bool turning) {
  tgrScreen* screen = surface();
  if (!screen) return;
  PlatformWindow& bar = screen->window();
  auto dockNow = [&] {
    if (turning) {
      bar.setDock(DockEdge::None, order_);
      bar.setClientSize(bar.clientHeight(), bar.clientWidth());
    }
    if (!window_ || !window_->params.window) return;
    bar.setDock(edge(), order_);
    bar.setHost(window_->params.window);
    bar.setVisible(true);
  };
  PlatformBackend* backend = startedPlatform();
  if (!backend || backend->uiThread().isCurrent()) {
    dockNow();
  } else {
    backend->uiThread().runOnUiThread(dockNow);
  }
}

void ttoolwindow::beforeFree() {
  window_ = nullptr;
  dropSurface();
  tcontainerobject::beforeFree();
}

void ttoolwindow::setAlign(Align align) {
  if (align == align_) return;
  const bool turns = isHorizontal(align) != isHorizontal(align_);
  align_ = align;
  dock(turns);
  if (turns && created) raiseEvent(this, eventCode(EventId::onTurnToolBar));
}

void ttoolwindow::setOrder(int order) {
  if (order == order_) return;
  order_ = order;
  dock();
}

}  // namespace lx
