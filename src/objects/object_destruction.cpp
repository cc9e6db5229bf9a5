// Destroying objects. An object goes with its heirs that came from it (its
// first parent) or stand in it (its place); heirs that only took it as a
// behaviour lose the behaviour and stay.
//
// No other Logo code runs on an object that is half taken apart: the
// processes running as the object and as everything that goes with it are
// stopped and waited for first, while the object is still whole (the
// interpreter lock goes meanwhile, and other processes run on the whole
// object); the taking apart itself then keeps the lock to the end, even
// through the destroy procedures of the heirs it runs.
#include <algorithm>
#include <utility>

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/evaluator.h"
#include "interp/lookup_epoch.h"
#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "objects/container_object.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"

namespace lx {
namespace {

bool isFirstParentOrPlace(const tmultiobject& object, const tmultiobject& heir) {
  return (heir.firstParentCount() > 0 && heir.firstParent() == &object) || heir.place() == &object;
}

bool takingApart() {
  return hasThreadState() && threadState().takingApart > 0;
}

// Runs the instance's `destroy` procedure with the object current. An error
// there goes on only while the interpreter still runs. The end of the
// process inside a taking apart waits until the taking apart is done.
void runDestroyProcedure(tmultiobject& object) {
  if (!object.isInstance() || !object.constructed() || !interpreterRunning() || !hasThreadState()) return;
  tTabDesc* found = object.findProcedure(objectCodes().destroy);
  tProcDesc* destroy = found ? found->asProcedure() : nullptr;
  if (!destroy) return;
  ThreadState& state = threadState();
  try {
    ObjectFrameScope frame(state, Value(&object));
    callDescriptor(*destroy, 0, false);
  } catch (const eLogoException&) {
    if (interpreterRunning()) throw;
  } catch (const eTerminateException&) {
    if (state.takingApart == 0) throw;
    state.endAfterErase = true;
  }
}

// The object and everything that goes with it: the heirs whose first
// parent or place it is, and the children of a container, all the way down.
void collectGoingWith(tmultiobject& object, std::vector<const tlogoobject*>& going) {
  if (std::find(going.begin(), going.end(), &object) != going.end()) return;
  going.push_back(&object);
  for (tmultiobject* heir : object.heirs()) {
    if (heir->alive() && isFirstParentOrPlace(object, *heir)) collectGoingWith(*heir, going);
  }
  tcontainerobject* container = object.asContainer();
  if (!container) return;
  container->children->forEach([&](tTabDesc& desc) {
    if (tmultiobject* child = asObject(static_cast<tLogoVarDesc&>(desc).value))
      collectGoingWith(*child, going);
  });
}

// Held while an object is taken apart: yields keep the interpreter lock,
// and a process that erased the object it runs as ends once the outermost
// taking apart is done.
class TakingApart {
 public:
  TakingApart() : state_(hasThreadState() ? &threadState() : nullptr) {
    if (state_) ++state_->takingApart;
  }
  ~TakingApart() {
    if (!state_ || --state_->takingApart > 0) return;
    if (std::exchange(state_->endAfterErase, false)) state_->control->requestStop();
  }
  TakingApart(const TakingApart&) = delete;
  TakingApart& operator=(const TakingApart&) = delete;

 private:
  ThreadState* state_;
  HandOverHold hold_;
};

// Takes the object out of every world-wide place that names it; the
// processes running as the object end, the others forget it.
void forgetEverywhere(tmultiobject& object) {
  unlinkObject(object);
  allThreads().objectErased(&object);
  if (hasThreadState() && threadState().lastObject.get() == &object) threadState().lastObject = nullptr;
  if (activeToolButton() == &object) setActiveToolButton(nullptr);
  if (mainWindowObject() == &object) setMainWindowObject(nullptr);
  if (tcontainerobject* container = object.identity().container()) {
    container->removeChild(object);
    object.identity().setContainer(nullptr);
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

}  // namespace

void destroyObject(tmultiobject& object) {
  const ObjectRef keep(&object);
  if (!object.alive()) return;
  runDestroyProcedure(object);
  if (!object.alive()) return;  // the procedure erased it already
  if (!takingApart()) {
    std::vector<const tlogoobject*> going;
    collectGoingWith(object, going);
    allThreads().endProcessesOf(going);
    if (!object.alive()) return;  // erased by another process meanwhile
  }
  const TakingApart apart;
  object.alive_ = false;
  invalidateLookups();
  forgetEverywhere(object);
  object.beforeFree();

  for (size_t i = object.heirs().size(); i-- > 0;) {
    if (i >= object.heirs().size()) continue;  // destroying one heir took others along
    const ObjectRef heir(object.heirs()[i]);
    if (!heir->alive()) continue;
    if (isFirstParentOrPlace(object, *heir)) {
      destroyObject(*heir);
    } else {
      heir->removeParent(object, false);
    }
  }

  // Leave every list the object is in, then empty its own tables: values in
  // them may refer back to the object.
  object.leaveGraph();
  object.tables_.clearChains();
  invalidateLookups();
  object.storedProperties_.clear();
  // An object whose making failed early has no tables yet.
  if (object.tables_.made()) {
    clearTable(object.procedures());
    clearTable(object.variables());
    clearTable(object.events());
  }
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
