// The graphics classes of the object world.
#include "graphics/graphics_classes.h"

#include "graphics/image_primitives.h"
#include "graphics/key_menus.h"
#include "graphics/key_primitives.h"
#include "graphics/logo_page.h"
#include "graphics/main_window.h"
#include "graphics/page_prototype.h"
#include "graphics/turtle_prototype.h"
#include "graphics/window_object.h"
#include "graphics/window_prototype.h"
#include "objects/object_world.h"

namespace lx {
namespace {

// The page context: the main window's pages and other objects, then the
// objects on the page it shows.
tmultiobject* inShownPage(NameCode code) {
  tSplitwindow* window = mainWindow();
  if (!window) return nullptr;
  if (tmultiobject* found = window->child(code)) return found;
  tlogopage* page = window->currentPage();
  return page ? page->child(code) : nullptr;
}

}  // namespace

void registerGraphicsClasses(tMainLogoObject& main) {
  setPageContextLookup(inShownPage);
  registerClass<tPagePrototype>(main, "Page", "page");
  registerClass<tPanePrototype>(main, "Pane", "pane");
  registerClass<tTurtlePrototype>(main, "Turtle", "turtle");
  registerClass<tWindowPrototype>(main, "Window", "window");
  registerKeyPrimitives(main.procedures());
  installKeyMenuCheck();
  registerImagePrimitives(main.procedures());
}

}  // namespace lx
