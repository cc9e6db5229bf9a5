// Setting an object's state at once and asking what waits on it: `setstate`
// and `.setstate` apply an init list to the current object, `.planned`
// names its event processes, `.hide` hides objects, `finishselection`
// closes a selection of objects.
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "interp/thread_state.h"
#include "objects/init_list.h"
#include "objects/object_addressing.h"
#include "objects/object_codes.h"
#include "objects/object_primitives.h"
#include "objects/object_scope.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// setstate list: the pairs of the list applied to the current object, as
// its init list was when it was made (properties by name or code, events,
// own and common variables, procedures).
Value setState(const Value& list) {
  const tLogoList* pairs = asList(*list);
  if (!pairs) throw eLogoException(erExpectList, list);
  tmultiobject& self = currentObject();
  ObjectFrameScope frame(threadState(), Value(&self));
  applyInitList(self, *pairs);
  return nullptr;
}

// Whether a process name is one of `object`'s event processes: "@", the
// object's name, an event's name, and perhaps the number that made the
// process name unique.
bool isEventProcessOf(const std::string& processName, const tmultiobject& object) {
  const std::string prefix = "@" + object.name();
  if (processName.compare(0, prefix.size(), prefix) != 0) return false;
  std::string event = processName.substr(prefix.size());
  while (!event.empty() && event.back() >= '0' && event.back() <= '9') event.pop_back();
  return !event.empty() && isEventCode(codeOf(event));
}

// .planned: the names of the current object's event processes that have
// been raised and have not ended yet.
Value planned() {
  const tmultiobject& self = currentObject();
  ListBuilder names;
  for (const Value& name : allThreads().names())
    if (name->isWord() && isEventProcessOf(name->wordText(), self)) names.add(name);
  return names.finish();
}

// .hide address: hides each object the address names, as its `hideme` does.
Value hideObjects(const Value& address) {
  for (const ObjectRef& object : resolveAddress(address))
    if (propertyOf(*object, prop::kShown)) writeProperty(*object, prop::kShown, makeBool(false));
  return nullptr;
}

// finishselection address: objects are selected with the mouse only while a
// project is being edited, which this runtime does not do, so no selection
// is ever open; the address must still name objects.
Value finishSelection(const Value& address) {
  resolveAddress(address);
  return nullptr;
}

}  // namespace

void registerObjectStatePrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc1p>(table, "setstate", false, setState);
  registerPrimitive<tMainPasProcDesc1p>(table, ".setstate", false, setState);
  registerPrimitive<tMainPasProcDesc0p>(table, ".planned", false, planned);
  registerPrimitive<tMainPasProcDesc1p>(table, ".hide", false, hideObjects);
  registerPrimitive<tMainPasProcDesc1p>(table, "finishselection", false, finishSelection);
}

}  // namespace lx
