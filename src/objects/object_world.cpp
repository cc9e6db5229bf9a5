// The running object world.
#include "objects/object_world.h"

#include "interp/error_messages.h"
#include "interp/procedure_resolver.h"
#include "lang/dictionary.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_resolver.h"
#include "objects/property_table.h"
#include "values/pools.h"

namespace lx {
namespace {

struct World {
  Ref<tMainLogoObject> main;
  PageContextLookup pageContext = nullptr;
  ObjectRef mainWindow;
  ObjectRef activeToolButton;
  bool running = false;
};

World& world() {
  static World w;
  return w;
}

std::string ownerName(const tlogoobject* owner) {
  const tmultiobject* object = asObject(owner);
  return !object || object == mainObject() ? std::string() : object->name();
}

}  // namespace

tMainLogoObject* mainObject() {
  return world().main.get();
}

tMainLogoObject& startObjectModel(const PrimitiveRegistration& registerPrimitives) {
  stopObjectModel();
  internObjectCodes();
  fillPropertyTable();
  World& w = world();
  w.main = Ref<tMainLogoObject>(new tMainLogoObject);
  tMainLogoObject& main = *w.main;
  main.init(localEntry("class", "main"), {}, true);
  main.setNeedsPlace(false);
  main.globals().setValue(objectCodes().childDestination, makeInt(0), kBuiltIn);
  if (registerPrimitives) registerPrimitives(main.procedures());
  // The system's own variables: kept by a reset, not saved with a project.
  main.globals().setValue(objectCodes().namePrefix, makeWord(localEntry("prefix", "main")), kBuiltIn);
  main.globals().setValue(objectCodes().fileName, makeWord(""), kBuiltIn);
  installGlobalTables(&main.procedures(), &main.globals());
  installProcedureResolver(std::make_unique<ObjectResolver>());
  setOwnerNamer(ownerName);
  w.running = true;
  markSystemObjectsMade();
  return main;
}

void stopObjectModel() {
  World& w = world();
  if (!w.main) return;
  w.running = false;
  w.mainWindow = nullptr;
  w.activeToolButton = nullptr;
  // The newest objects first: heirs go before the classes they come from.
  while (tmultiobject* last = lastListedObject()) destroyObject(*last);
  installProcedureResolver(nullptr);
  installGlobalTables(nullptr, nullptr);
  setOwnerNamer(nullptr);
  w.main = nullptr;
  resetObjectRegistry();
}

bool interpreterRunning() {
  return world().running;
}

void setPageContextLookup(PageContextLookup lookup) {
  world().pageContext = lookup;
}

tmultiobject* lookupInPageContext(NameCode code) {
  const PageContextLookup lookup = world().pageContext;
  return lookup && world().running ? lookup(code) : nullptr;
}

tmultiobject* mainWindowObject() {
  return world().mainWindow.get();
}
void setMainWindowObject(tmultiobject* window) {
  world().mainWindow = ObjectRef(window);
}
tmultiobject* activeToolButton() {
  return world().activeToolButton.get();
}
void setActiveToolButton(tmultiobject* button) {
  world().activeToolButton = ObjectRef(button);
}

}  // namespace lx
