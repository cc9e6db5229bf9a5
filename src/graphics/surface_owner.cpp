// The window and surface of a page or pane.
#include "graphics/surface_owner.h"

#include "graphics/mouse_events.h"
#include "core/logo_exception.h"
#include "objects/multi_object.h"
#include "platform/platform.h"

namespace lx {

tSurfaceOwner::~tSurfaceOwner() {
  dropSurface();
}

void tSurfaceOwner::makeSurface(tmultiobject& owner, errorConst failure, const char* title) {
  PlatformBackend* backend = startedPlatform();
  if (!backend) throw eLogoException(failure);
  const PixelPoint size = defaultSize();
  backend->uiThread().runOnUiThread([&] {
    window_ = backend->createWindow({title, 0, 0, size.x, size.y, false});
    surface_ = std::make_unique<tgrScreen>(window_);
    surface_->setOwner(&owner);
    mouse_ = std::make_unique<SurfaceMouse>(*surface_, backend->uiThread());
    mouse_->setOwnerHandler([&owner](const GraphicMouse& event) { raiseMouseEvent(owner, event); });
  });
}

void tSurfaceOwner::dropSurface() {
  if (!window_) return;
  auto drop = [this] {
    mouse_.reset();
    surface_.reset();
    window_.reset();
  };
  PlatformBackend* backend = startedPlatform();
  if (!backend || backend->uiThread().isCurrent()) {
    drop();
    return;
  }
  try {
    backend->uiThread().runOnUiThread(drop);
  } catch (const HandOverStopped&) {
    // The program is ending and the interface thread takes no more work:
    // the window goes with the program.
    (void)mouse_.release();
    (void)surface_.release();
    window_.reset();
  }
}

void tSurfaceOwner::resizeSurface(int width, int height) {
  if (!surface_) return;
  width = std::max(width, 1);
  height = std::max(height, 1);
  // The window's resize handler resizes the surface.
  window_->setClientSize(width, height);
}

tSurfaceOwner* surfaceOwnerOf(tmultiobject& object) {
  return dynamic_cast<tSurfaceOwner*>(&object);
}

tgrScreen* surfaceOf(tmultiobject& object) {
  tSurfaceOwner* owner = surfaceOwnerOf(object);
  return owner ? owner->surface() : nullptr;
}

}  // namespace lx
