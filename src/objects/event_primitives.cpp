// Event handlers of the current object: `setevent`, `eraseevent`,
// `runevent`, `event`, `event?`, `myevent?`, `events`,
// `.donotsaveevent`.
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/events.h"
#include "objects/object_codes.h"
#include "objects/object_primitives.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The code of an event name (error 155 for a word that names no event).
NameCode eventNamed(const Value& name) {
  const NameCode code = name->nameCode();
  if (!isEventCode(code)) throw eLogoException::withName(erUnDefEvenet, code);
  return code;
}

Value setEvent(const Value& name, const Value& handler) {
  if (!handler->isList() && !handler->isWord()) throw eLogoException(erExpectList, handler);
  currentObject().setEventHandler(eventNamed(name), handler);
  return nullptr;
}

Value eraseEvent(const Value& name) {
  currentObject().removeEventHandler(eventNamed(name));
  return nullptr;
}

Value runEvent(const Value& name) {
  runEventHere(currentObject(), eventNamed(name));
  return nullptr;
}

Value event(const Value& name) {
  const NameCode code = eventNamed(name);
  Value handler = currentObject().eventHandler(code);
  if (!handler) throw eLogoException::withName(erUnDefEvenet, code);
  return handler;
}

bool hasEvent(const Value& name) {
  return currentObject().eventHandler(eventNamed(name)) != nullptr;
}

bool hasOwnEvent(const Value& name) {
  return currentObject().ownEventHandler(eventNamed(name)) != nullptr;
}

// `.donotsaveevent`: the current object's own handler of the event is left
// out when the project is saved.
Value doNotSaveEvent(const Value& name) {
  const NameCode code = eventNamed(name);
  tTabDesc* handler = currentObject().events().findOrNull(code);
  if (!handler) throw eLogoException::withName(erUnDefEvenet, code);
  handler->flags |= kNotSaved;
  return nullptr;
}

// The events the current object has handlers of its own for, as they were set.
Value events() {
  ListBuilder names;
  currentObject().events().forEach([&](tTabDesc& desc) { names.add(makeWord(nameOf(desc.name))); });
  return names.finish();
}

}  // namespace

void registerEventPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "setevent", false, setEvent);
  registerPrimitive<tMainPasProcDesc1p>(table, "eraseevent", false, eraseEvent);
  registerPrimitive<tMainPasProcDesc1p>(table, "runevent", false, runEvent);
  registerPrimitive<tMainPasProcDesc1p>(table, "event", false, event);
  registerPrimitive<tMainPasProcDesc1b>(table, "event?", false, hasEvent);
  registerPrimitive<tMainPasProcDesc1b>(table, "myevent?", false, hasOwnEvent);
  registerPrimitive<tMainPasProcDesc0p>(table, "events", false, events);
  registerPrimitive<tMainPasProcDesc1p>(table, ".donotsaveevent", false, doNotSaveEvent);
}

}  // namespace lx
