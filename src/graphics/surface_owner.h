// What pages and panes share: each owns a drawing surface in a window of
// its own, with the mouse handling of that surface. The window is made and
// destroyed on the user-interface thread (a process hands the work over).
#pragma once

#include <memory>

#include "graphics/gr_screen.h"
#include "graphics/surface_mouse.h"
#include "core/error_codes.h"

namespace lx {

class tmultiobject;

class tSurfaceOwner {
 public:
  virtual ~tSurfaceOwner();

  // The surface; none before makeSurface and after dropSurface.
  tgrScreen* surface() const { return surface_.get(); }
  SurfaceMouse* surfaceMouse() const { return mouse_.get(); }
  // The size the object has before `size` sets another.
  virtual PixelPoint defaultSize() const = 0;
  // Changes the surface and its window to the new size (user-interface thread).
  void resizeSurface(int width, int height);

 protected:
  // Makes the window and the surface of the default size for `owner`
  // (error `failure` when there is no user interface to make it on).
  void makeSurface(tmultiobject& owner, errorConst failure, const char* title);
  // Destroys surface and window (they are gone after this, also on error).
  void dropSurface();

 private:
  std::shared_ptr<PlatformWindow> window_;
  std::unique_ptr<tgrScreen> surface_;
  std::unique_ptr<SurfaceMouse> mouse_;
};

// The surface owner that `object` is, or none.
tSurfaceOwner* surfaceOwnerOf(tmultiobject& object);
// The surface of a page or pane, or none.
tgrScreen* surfaceOf(tmultiobject& object);

}  // namespace lx
