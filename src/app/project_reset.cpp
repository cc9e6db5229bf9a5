// Resetting the world for a fresh load.
#include "app/project_reset.h"

#include "app/project_loader.h"
#include "app/project_save_options.h"
#include "objects/main_object.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"

namespace lx {

void resetProjectWorld() {
  // Held while they go: destroying one may take others along.
  tlogoobjectlist project;
  for (tmultiobject* object = firstObject(); object; object = object->nextObject)
    if (!isSystemObject(*object) && object != mainWindowObject()) project.push_back(ObjectRef(object));
  // The newest first: heirs go before the classes they come from.
  for (auto it = project.rbegin(); it != project.rend(); ++it)
    if ((*it)->alive()) destroyObject(**it);
  tMainLogoObject& main = *mainObject();
  main.procedures->eraseAll();
  main.events->eraseAll();
  main.globals().eraseAll();
  main.propertyLists.clear();
  setProjectSaveOptions(0);
  forgetLoadedProjectImages();
}

}  // namespace lx
