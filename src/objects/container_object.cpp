// Containers: their named child objects, and making and erasing objects.
#include "objects/container_object.h"

#include "core/logo_exception.h"
#include "interp/thread_state.h"
#include "objects/init_list.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/object_world.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/list.h"

namespace lx {
namespace {

// The class's own factory, or the nearest one along its first parents.
tmultiobject::InstanceFactory factoryOf(tmultiobject& ofClass) {
  for (tmultiobject* c = &ofClass; c; c = c->firstParent())
    if (c->instanceFactory()) return c->instanceFactory();
  return nullptr;
}

tcontainerobject* nearestContainer(tmultiobject* start) {
  for (tmultiobject* object = start; object; object = object->place())
    if (tcontainerobject* container = object->asContainer()) return container;
  return nullptr;
}

tmultiobject* nearestHolder(tmultiobject* start) {
  for (tmultiobject* object = start; object; object = object->place())
    if (object->canHoldControls()) return object;
  return nullptr;
}

// Where `holder` puts the objects made in it, as its `@childdestination`
// says: 0 (the main object's value, which every object inherits) for the
// holder itself, else the name of the object (or the object) that holds
// them. An empty value is error 135 with the holder's name, and so is an
// object that cannot hold controls.
tmultiobject* childDestination(tmultiobject& holder) {
  const NameCode code = objectCodes().childDestination;
  if (!holder.findVariableOrNull(code)) return &holder;
  const Value value = holder.valueOfVariable(code);
  if (!value || value->isEmpty()) throw eLogoException::withWord(erInvalidParentAccpt, holder.name());
  if (value->isNumber() ? value->asReal() == 0 : value->isWord() && value->wordText() == "0") return &holder;
  ObjectRef named(asObject(value));
  if (!named && value->isWord()) named = holder.resolveObjectName(value->nameCode());
  if (!named || !named->alive()) throw eLogoException(erNoObject, value);
  if (!named->canHoldControls()) throw eLogoException::withWord(erInvalidParentAccpt, named->name());
  return named.get();
}

// A name given in an init list: a non-empty word, or none.
std::string givenName(const tLogoList* initList, int propertyCode) {
  if (!initList) return {};
  const Value value = initListValue(*initList, propertyRow(propertyCode).nameCode);
  return value && value->isWord() ? value->wordText() : std::string();
}

}  // namespace

void tControlObject::rename(const std::string& newName) {
  if (newName.empty() || newName == name()) return;
  tcontainerobject* holder = identity().container();
  if (!holder) {
    identity().setName(newName);
    return;
  }
  if (holder->child(codeOf(newName))) throw eLogoException::withWord(erObjNameDuplicate, newName);
  const ObjectRef keep(this);
  holder->removeChild(*this);
  identity().setName(newName);
  holder->enterChild(*this);
}

tmultiobject* tcontainerobject::objectByName(NameCode code) const {
  return child(code);
}

tmultiobject* tcontainerobject::child(NameCode code) const {
  tmultiobject* object = asObject(children->valueOrNull(code));
  return object && object->alive() ? object : nullptr;
}

void tcontainerobject::enterChild(tmultiobject& object) {
  const NameCode code = codeOf(object.name());
  const ObjectRef keep(&object);
  if (tmultiobject* old = child(code); old && old != &object) {
    if (old->isBusy()) throw eLogoException::withWord(erEraseDesc, object.name());
    destroyObject(*old);
  }
  children->setValue(code, Value(&object));
  if (tControlObject* control = asControlObject(object)) control->identity().setContainer(this);
}

void tcontainerobject::removeChild(tmultiobject& object) {
  const NameCode code = codeOf(object.name());
  if (const tLogoVarDesc* entry = children->variable(code); entry && entry->value.get() == &object)
    children->eraseEntry(code);
}

tmultiobject* tcontainerobject::placeForNewObject(const tLogoList* initList) const {
  if (initList) {
    if (const Value where = initListValue(*initList, propertyRow(prop::kMyPlace).nameCode)) {
      tmultiobject* object = asObject(where);
      ObjectRef named;
      if (!object) {
        named = const_cast<tcontainerobject*>(this)->resolveObjectName(where->nameCode());
        if (!named) throw eLogoException(erNoObject, where);
        object = named.get();
      }
      if (tmultiobject* holder = nearestHolder(object)) return childDestination(*holder);
      throw eLogoException(erInvalidParentAccpt, Value(object));
    }
  }
  if (tmultiobject* holder = nearestHolder(&currentObject())) return childDestination(*holder);
  return childDestination(*const_cast<tcontainerobject*>(this));
}

std::string tcontainerobject::nameForNewObject(tmultiobject& ofClass, const tLogoList* initList) const {
  if (std::string name = givenName(initList, prop::kName); !name.empty()) {
    if (!acceptsName(name)) throw eLogoException::withWord(erInvalidObjName, name);
    return name;
  }
  const std::string dotName = givenName(initList, prop::kDotName);
  if (!dotName.empty() && !child(codeOf(dotName)) && acceptsName(dotName)) return dotName;
  std::string base;
  uint64_t number = 0;
  if (!dotName.empty()) {
    size_t digits = dotName.size();
    while (digits > 0 && dotName[digits - 1] >= '0' && dotName[digits - 1] <= '9') --digits;
    base = dotName.substr(0, digits);
    if (digits < dotName.size() && dotName.size() - digits < 10) number = std::stoull(dotName.substr(digits));
  } else {
    const Value prefix = ofClass.hasVariable(objectCodes().namePrefix)
                             ? ofClass.valueOfVariable(objectCodes().namePrefix)
                             : nullptr;
    base = prefix && prefix->isWord() ? prefix->wordText() : std::string();
  }
  std::string name;
  do {
    name = base + std::to_string(++number);
  } while (child(codeOf(name)) || !acceptsName(name));
  return name;
}

ObjectRef tcontainerobject::makeObject(const Value& classAddress, const Value& initList, CreateMode mode) {
  ObjectRef ofClass;
  if (classAddress->isEmpty() && classAddress->isList()) {
    ofClass = ObjectRef(mainObject());
  } else if (tmultiobject* object = asObject(classAddress)) {
    ofClass = ObjectRef(object);
  } else {
    const tLogoList* one = asList(*classAddress);
    const Value name = one && one->count() == 1 ? one->element() : classAddress;
    ofClass = resolveObjectName(name->nameCode());
    if (!ofClass) throw eLogoException(erNoObject, name);
  }
  if (!ofClass->isControlObject()) throw eLogoException(erIvalidPrototype, Value(ofClass));
  return makeInstance({ofClass}, std::string(), initList, mode);
}

ObjectRef tcontainerobject::makeInstance(const tlogoobjectlist& parents, std::string name,
                                         const Value& initList, CreateMode mode) {
  const tLogoList* list = initList ? asList(*initList) : nullptr;
  tmultiobject& ofClass = parents.empty() ? *mainObject() : *parents.front();
  tmultiobject* place = placeForNewObject(list);
  if (name.empty()) name = nameForNewObject(ofClass, list);
  const tmultiobject::InstanceFactory factory = factoryOf(ofClass);
  const ObjectRef made = factory ? factory() : ObjectRef(new tControlObject);
  // Pages live in windows: one the main object makes (as a saved project's
  // text does) goes into the main window.
  if (made->isPage() && place == mainObject())
    if (tmultiobject* window = mainWindowObject()) place = window;
  try {
    made->initInstance(place, name, initList, parents, mode);
    tcontainerobject* holder = nearestContainer(place);
    if (!holder) holder = this;
    if (tmultiobject* old = holder->child(codeOf(name)); old && old->isBusy())
      throw eLogoException::withWord(erEraseDesc, name);
    holder->enterChild(*made);
  } catch (...) {
    destroyObject(*made);
    throw;
  }
  made->runCreateHandlers();
  made->afterCreateHandlers(mode);
  rememberPropertiesAsMade(*made);
  return made;
}

tcontainerobject& containerOfCurrentObject() {
  tcontainerobject* container = nearestContainer(&currentObject());
  return container ? *container : *mainObject();
}

namespace {

// Whether the entry naming the object in its holder is the system's own: a
// built-in class in the main object, or a control the runtime made.
bool enteredBySystem(tmultiobject& object) {
  const tcontainerobject* holder = mainObject();
  if (tcontainerobject* named = object.identity().container()) holder = named;
  const tLogoVarDesc* entry = holder->children->variable(codeOf(object.name()));
  return entry && entry->value.get() == &object && (entry->flags & kBuiltIn);
}

}  // namespace

void eraseObjectNamed(tmultiobject& from, NameCode code) {
  const ObjectRef object = from.resolveObjectName(code);
  if (!object) throw eLogoException::withName(erNoObject, code);
  if (object.get() == mainObject()) throw eLogoException::withName(erErasePersistent, code);
  if (enteredBySystem(*object) && interpreterRunning())
    throw eLogoException::withName(erErasePersistent, code);
  if (object->isBusy()) throw eLogoException::withName(erEraseDesc, code);
  object->checkErasable();
  destroyObject(*object);
}

}  // namespace lx
