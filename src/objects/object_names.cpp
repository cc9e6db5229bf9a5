// What a name means as an object, seen from an object: the named objects of
// the object and of its ancestors, then the pseudo-names (`receiver`,
// `myParent`, `myPlace`, `myPage`, `myWindow`, `lastObject`,
// `activeToolbutton`), the main object's class name, and the "#n" numbers
// of a project being loaded. Names that none of the ancestors knows are
// looked up in the page context (the main window and its page shown).
#include "core/logo_exception.h"
#include "interp/thread_state.h"
#include "objects/main_object.h"
#include "objects/multi_object.h"
#include "objects/object_codes.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"

namespace lx {
namespace {

// The nearest object from `start` along the places that `is` accepts.
template <class Test>
tmultiobject* nearestOnPlaces(tmultiobject* start, Test is) {
  for (tmultiobject* object = start; object; object = object->place())
    if (is(*object)) return object;
  return nullptr;
}

ObjectRef required(tmultiobject* object, errorConst missing) {
  if (!object) throw eLogoException(missing);
  return ObjectRef(object);
}

}  // namespace

ObjectRef tmultiobject::resolveObjectName(NameCode code) {
  if (tmultiobject* found = objectByName(code)) return ObjectRef(found);
  for (const ObjectRef& ancestor : ancestors())
    if (tmultiobject* found = ancestor->objectByName(code)) return ObjectRef(found);
  if (tmultiobject* found = lookupInPageContext(code)) return ObjectRef(found);

  const ObjectCodes& c = objectCodes();
  if (code == c.receiver) return ObjectRef(this);
  if (code == c.mainClass) return ObjectRef(mainObject());
  if (code == c.myParent) {
    if (!firstParent()) throw eLogoException::withName(erNoObject, code);
    return ObjectRef(firstParent());
  }
  if (code == c.activeToolbutton) return required(activeToolButton(), erNoActiveToolbutton);
  if (code == c.myPlace) return required(place(), erNoMyplace);
  if (code == c.lastObject) {
    tmultiobject* last = hasThreadState() ? asObject(threadState().lastObject) : nullptr;
    return required(last && last->alive() ? last : nullptr, erNoObjCreated);
  }
  if (code == c.myWindow)
    return required(nearestOnPlaces(this, [](tmultiobject& o) { return o.isWindow(); }), erNotInsideWin);
  if (code == c.myPage)
    return required(nearestOnPlaces(this, [](tmultiobject& o) { return o.isPage(); }), erNotInsidePage);
  if (isObjectNumberCode(code)) return required(objectNumbered(objectNumberOf(code)), erMisspaced);
  if (code == c.windowClass) return ObjectRef(mainWindowObject());
  return nullptr;
}

}  // namespace lx
