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
  ObjectIdentity& id = object.identity();
  assert(!id.previous_ && !id.next_ && r.first != &object);
  addRef(&object);
  id.creationSerial_ = ++r.serial;
  id.previous_ = r.last;
  if (r.last)
    r.last->identity().next_ = &object;
  else
    r.first = &object;
  r.last = &object;
  ++r.count;
}

void unlinkObject(tmultiobject& object) {
  Registry& r = registry();
  ObjectIdentity& id = object.identity();
  if (!id.previous_ && r.first != &object) return;  // not listed
  if (r.anchor == &object) r.anchor = id.previous_;
  if (id.previous_)
    id.previous_->identity().next_ = id.next_;
  else
    r.first = id.next_;
  if (id.next_)
    id.next_->identity().previous_ = id.previous_;
  else
    r.last = id.previous_;
  id.previous_ = id.next_ = nullptr;
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
  tmultiobject* object = r.anchor ? r.anchor->identity().next() : r.first;
  for (uint32_t i = 1; object && i < n; ++i) object = object->identity().next();
  return object;
}

void markSystemObjectsMade() {
  registry().lastSystemSerial = registry().serial;
}

bool isSystemObject(const tmultiobject& object) {
  return object.identity().creationSerial() <= registry().lastSystemSerial;
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
