// The list of all objects, in creation order.
#include "objects/object_registry.h"

#include <cassert>

#include "core/logo_exception.h"
#include "lang/interface_dictionary.h"
#include "objects/multi_object.h"

namespace lx {
namespace {

// Changed only by the thread that holds the interpreter lock.
struct Registry {
  tmultiobject* first = nullptr;
  tmultiobject* last = nullptr;
  size_t count = 0;
  int loadNesting = 0;
  tmultiobject* anchor = nullptr;  // last in the list when the outermost load began
  uint32_t unnamedCount = 0;
  uint64_t serial = 0;            // creation serial of the newest object
  uint64_t lastSystemSerial = 0;  // the newest object made while the world was built
};

Registry& registry() {
  static Registry r;
  return r;
}

}  // namespace

void linkObject(tmultiobject& object) {
  Registry& r = registry();
  assert(!object.prevObject && !object.nextObject && r.first != &object);
  addRef(&object);
  object.creationSerial = ++r.serial;
  object.prevObject = r.last;
  if (r.last)
    r.last->nextObject = &object;
  else
    r.first = &object;
  r.last = &object;
  ++r.count;
}

void unlinkObject(tmultiobject& object) {
  Registry& r = registry();
  if (!object.prevObject && r.first != &object) return;  // not listed
  if (r.anchor == &object) r.anchor = object.prevObject;
  if (object.prevObject)
    object.prevObject->nextObject = object.nextObject;
  else
    r.first = object.nextObject;
  if (object.nextObject)
    object.nextObject->prevObject = object.prevObject;
  else
    r.last = object.prevObject;
  object.prevObject = object.nextObject = nullptr;
  --r.count;
  release(&object);
}

tmultiobject* firstObject() {
  return registry().first;
}
tmultiobject* lastListedObject() {
  return registry().last;
}
size_t objectCount() {
  return registry().count;
}

void beginProjectLoad() {
  Registry& r = registry();
  if (r.loadNesting++ == 0) r.anchor = r.last;
}

void endProjectLoad() {
  Registry& r = registry();
  if (r.loadNesting > 0 && --r.loadNesting == 0) r.anchor = nullptr;
}

bool projectLoadRunning() {
  return registry().loadNesting > 0;
}

tmultiobject* objectNumbered(uint32_t n) {
  Registry& r = registry();
  if (n == 0) return nullptr;
  tmultiobject* object = r.anchor ? r.anchor->nextObject : r.first;
  for (uint32_t i = 1; object && i < n; ++i) object = object->nextObject;
  return object;
}

void markSystemObjectsMade() {
  registry().lastSystemSerial = registry().serial;
}

bool isSystemObject(const tmultiobject& object) {
  return object.creationSerial <= registry().lastSystemSerial;
}

std::string nextUnnamedObjectName() {
  Registry& r = registry();
  const std::string format = interfaceLookup("strings", "Object");
  if (format.empty()) throw eLogoException(erEmptyObjName);
  return interfaceString("Object", std::to_string(r.unnamedCount++));
}

void resetObjectRegistry() {
  Registry& r = registry();
  // Objects still listed keep their links; the caller destroyed them first.
  r = Registry{};
}

}  // namespace lx
