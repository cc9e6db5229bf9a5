// Making the main window.
#include "graphics/main_window.h"

#include "graphics/window_object.h"
#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

std::string& projectFile() {
  static std::string file;
  return file;
}

}  // namespace

const std::string& startingProjectFile() {
  return projectFile();
}

tSplitwindow& makeMainWindow(const std::string& file) {
  projectFile() = file;
  tMainLogoObject& main = *mainObject();
  const ObjectRef windowClass = main.resolveObjectName(codeOf(localEntry("class", "Window")));
  if (!windowClass) throw eLogoException(erInitWindow);
  // The main window stands in the main object, whatever runs now.
  CurrentObjectScope asMain(threadState(), Value(&main));
  const ObjectRef made = main.makeInstance({windowClass}, localEntry("class", "mainwindow"),
                                           Value(tLogoList::empty()), CreateMode::RunCreate);
  auto* window = dynamic_cast<tSplitwindow*>(made.get());
  if (!window) throw eLogoException(erInitWindow);
  return *window;
}

tSplitwindow* mainWindow() {
  auto* window = dynamic_cast<tSplitwindow*>(mainWindowObject());
  return window && window->alive() ? window : nullptr;
}

}  // namespace lx
