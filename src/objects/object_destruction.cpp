// Destroying objects. An object goes with its heirs that came from it (its
// first parent) or stand in it (its place); heirs that only took it as a
// behaviour lose the behaviour and stay.
#include <algorithm>

#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/process_list.h"
#include "interp/thread_state.h"
#include "objects/container_object.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"

namespace lx {
namespace {

// Runs the instance's `destroy` procedure with the object current. An error
// there goes on only while the interpreter still runs.
void runDestroyProcedure(tmultiobject& object) {
  if (!object.isInstance() || !object.constructed() || !interpreterRunning() || !hasThreadState()) return;
  auto* destroy = dynamic_cast<tProcDesc*>(object.findProcedure(objectCodes().destroy));
  if (!destroy) return;
  ThreadState& state = threadState();
  try {
    ObjectFrameScope frame(state, Value(&object));
    callDescriptor(*destroy, 0, false);
  } catch (const eLogoException&) {
    if (interpreterRunning()) throw;
  }
}

// Takes the object out of every world-wide place that names it; the
// processes running as the object end, the others forget it.
void forgetEverywhere(tmultiobject& object) {
  unlinkObject(object);
  allThreads().objectErased(&object);
  if (hasThreadState() && threadState().lastObject.get() == &object) threadState().lastObject = nullptr;
  if (activeToolButton() == &object) setActiveToolButton(nullptr);
  if (mainWindowObject() == &object) setMainWindowObject(nullptr);
  if (auto* control = dynamic_cast<tControlObject*>(&object); control && control->container) {
    control->container->removeChild(object);
    control->container = nullptr;
  }
}

// Erases every entry, built-in ones too; a procedure that is running stays
// until the object's record goes (its caller holds the object meanwhile).
void clearTable(tLogoTab& table) {
  std::vector<NameCode> codes;
  table.forEach([&](tTabDesc& desc) {
    if (desc.mayErase()) codes.push_back(desc.name);
  });
  for (NameCode code : codes) table.eraseEntry(code);
}

bool isFirstParentOrPlace(const tmultiobject& object, const tmultiobject& heir) {
  return (heir.firstParentCount > 0 && heir.firstParent() == &object) || heir.place.get() == &object;
}

}  // namespace

void destroyObject(tmultiobject& object) {
  const ObjectRef keep(&object);
  if (!object.alive()) return;
  runDestroyProcedure(object);
  if (!object.alive()) return;  // the procedure erased it already
  object.alive_ = false;
  invalidateLookups();
  forgetEverywhere(object);
  object.beforeFree();

  for (size_t i = object.heirs.size(); i-- > 0;) {
    if (i >= object.heirs.size()) continue;  // destroying one heir took others along
    const ObjectRef heir = object.heirs[i];
    if (!heir->alive()) continue;
    if (isFirstParentOrPlace(object, *heir)) {
      destroyObject(*heir);
    } else {
      heir->removeParent(object, false);
    }
  }

  // Leave every list the object is in, then empty its own tables: values in
  // them may refer back to the object.
  for (const ObjectRef& parent : object.parents) parent->removeHeir(object);
  if (object.place) object.place->removeHeir(object);
  object.parents.clear();
  object.heirs.clear();
  object.ancestors.clear();
  object.place = nullptr;
  object.variableChain.clear();
  object.procedureChain.clear();
  object.eventChain.clear();
  object.ownProcedureChain.clear();
  invalidateLookups();
  object.storedProperties_.clear();
  // An object whose making failed early has no tables yet.
  if (object.procedures) clearTable(*object.procedures);
  if (object.variables) clearTable(*object.variables);
  if (object.events) clearTable(*object.events);
  if (tcontainerobject* container = object.asContainer()) {
    const tlogoobjectlist children = [&] {
      tlogoobjectlist all;
      container->children->forEach([&](tTabDesc& desc) {
        if (tmultiobject* child = asObject(static_cast<tLogoVarDesc&>(desc).value))
          all.push_back(ObjectRef(child));
      });
      return all;
    }();
    for (const ObjectRef& child : children) destroyObject(*child);
    clearTable(*container->children);
  }
}

}  // namespace lx
