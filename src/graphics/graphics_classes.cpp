// The graphics classes of the object world.
#include "graphics/graphics_classes.h"

#include "graphics/page_prototype.h"
#include "graphics/turtle_prototype.h"
#include "graphics/window_prototype.h"

namespace lx {

void registerGraphicsClasses(tMainLogoObject& main) {
  registerClass<tPagePrototype>(main, "Page", "page");
  registerClass<tPanePrototype>(main, "Pane", "pane");
  registerClass<tTurtlePrototype>(main, "Turtle", "turtle");
  registerClass<tWindowPrototype>(main, "Window", "window");
}

}  // namespace lx
