// Questions about objects: who they are, what they come from, what they
// own, and the parameters of the init list an object is made with.
#include <algorithm>

#include "core/logo_exception.h"
#include "interp/logo_proc_desc.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "interp/var_tab.h"
#include "objects/container_object.h"
#include "objects/init_list.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/property_table.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Ref<tLogoList> namesOf(const tlogoobjectlist& objects) {
  ListBuilder names;
  for (const ObjectRef& object : objects) names.add(makeWord(object->name()));
  return names.finish();
}

// The object a name or an object value stands for, seen from the current
// object; none when there is none (pseudo-names whose object is missing too).
ObjectRef objectOrNone(const Value& name) {
  if (tmultiobject* object = asObject(name)) return object->alive() ? ObjectRef(object) : nullptr;
  if (!name->isWord()) return nullptr;
  try {
    ObjectRef found = currentObject().resolveObjectName(name->nameCode());
    return found && found->alive() ? found : nullptr;
  } catch (const eLogoException&) {
    return nullptr;
  }
}

bool isParentOf(const tmultiobject& parent, const tmultiobject& heir) {
  return std::any_of(heir.parents().begin(), heir.parents().end(),
                     [&](const ObjectRef& p) { return p.get() == &parent; });
}

// The heirs that took `object` as a parent (not those that only stand in it).
tlogoobjectlist inheritingHeirs(const tmultiobject& object) {
  tlogoobjectlist found;
  for (tmultiobject* heir : object.heirs())
    if (heir->alive() && isParentOf(object, *heir) &&
        std::none_of(found.begin(), found.end(), [&](const ObjectRef& f) { return f.get() == heir; }))
      found.push_back(ObjectRef(heir));
  return found;
}

Value myBehaviours() {
  return namesOf(currentObject().behaviours());
}

Value behaviourOf() {
  tmultiobject& self = currentObject();
  tlogoobjectlist holders;
  for (const ObjectRef& heir : inheritingHeirs(self)) {
    const tlogoobjectlist behaviours = heir->behaviours();
    if (std::any_of(behaviours.begin(), behaviours.end(),
                    [&](const ObjectRef& b) { return b.get() == &self; }))
      holders.push_back(heir);
  }
  return namesOf(holders);
}

// Every object that inherits from the current one, directly or not, once,
// nearest first.
Value descendants() {
  tlogoobjectlist found = inheritingHeirs(currentObject());
  for (size_t i = 0; i < found.size(); ++i)
    for (const ObjectRef& heir : inheritingHeirs(*found[i]))
      if (std::find(found.begin(), found.end(), heir) == found.end()) found.push_back(heir);
  return namesOf(found);
}

bool isParent() {
  return !inheritingHeirs(currentObject()).empty();
}

bool is(const Value& name) {
  const ObjectRef other = objectOrNone(name);
  if (!other) throw eLogoException(erNoObject, name);
  tmultiobject& self = currentObject();
  return &self == other.get() || self.inheritsFrom(*other);
}

bool isObject(const Value& name) {
  return objectOrNone(name) != nullptr;
}

bool isClass(const Value& name) {
  const ObjectRef object = objectOrNone(name);
  return object && !object->isInstance();
}

// A named object of the current object or of one it inherits from (no
// pseudo-names).
bool isObjectName(const Value& name) {
  if (!name->isWord()) return false;
  const NameCode code = name->nameCode();
  tmultiobject& self = currentObject();
  if (self.objectByName(code)) return true;
  return std::any_of(self.ancestors().begin(), self.ancestors().end(),
                     [&](const ObjectRef& a) { return a->objectByName(code) != nullptr; });
}

bool isMyObjectName(const Value& name) {
  return name->isWord() && currentObject().objectByName(name->nameCode());
}

Value myName() {
  return makeWord(currentObject().name());
}

Value lastName() {
  tmultiobject* last = asObject(threadState().lastObject);
  if (!last || !last->alive()) throw eLogoException(erNoObjCreated);
  return makeWord(last->name());
}

// The named objects of the nearest container from the current object;
// `objects` leaves out the classes.
Value namedObjects(bool withClasses) {
  tcontainerobject* container = nullptr;
  for (tmultiobject* object = &currentObject(); object && !container; object = object->place())
    container = object->asContainer();
  if (!container) container = mainObject();
  tlogoobjectlist found;
  container->children->forEach([&](tTabDesc& desc) {
    tmultiobject* object = asObject(static_cast<tLogoVarDesc&>(desc).value);
    if (object && object->alive() && (withClasses || object->isInstance()))
      found.push_back(ObjectRef(object));
  });
  return namesOf(found);
}

Value objects() {
  return namedObjects(false);
}
Value allObjects() {
  return namedObjects(true);
}

// The init list a parameter is read from: a list itself, or the variable a
// word names (a local first, then the current object's).
Value paramList(const Value& source) {
  if (source->isList()) return source;
  const NameCode code = source->nameCode();
  if (const tLogoVarDesc* local = threadState().locals.variable(code); local && local->value)
    return local->value;
  return currentObject().valueOfVariable(code);
}

NameCode paramCode(const Value& key) {
  if (!key->isWord()) throw eLogoException(erExpectWord, key);
  return parseInitKey(*key).code;
}

Value peekParam(const Value& source, const Value& key) {
  const Value list = paramList(source);
  if (!list->isList()) throw eLogoException(erExpectList, list);
  const Value value = initListValue(static_cast<const tLogoList&>(*list), paramCode(key));
  return value ? value : Value(tLogoList::empty());
}

// getparam takes the pair out of the variable's list, so that it is not
// applied as a variable when the object is made.
Value getParam(const Value& source, const Value& key) {
  const Value value = peekParam(source, key);
  if (source->isWord()) {
    const NameCode code = source->nameCode();
    const Value list = paramList(source);
    const Value rest = withoutInitKey(static_cast<const tLogoList&>(*list), paramCode(key));
    if (tLogoVarDesc* local = threadState().locals.variable(code))
      local->value = rest;
    else
      currentObject().setVariable(code, rest);
  }
  return value;
}

bool myDefined(const Value& name) {
  const tTabDesc* desc = currentObject().procedures().findOrNull(name->nameCode());
  return desc && desc->writtenInLogo;
}

bool myPrimitive(const Value& name) {
  const tTabDesc* desc = currentObject().procedures().findOrNull(name->nameCode());
  return desc && (desc->flags & kBuiltIn);
}

}  // namespace

void registerObjectQueryPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "mybehaviours", false, myBehaviours);
  registerPrimitive<tMainPasProcDesc0p>(table, "behaviourof", false, behaviourOf);
  registerPrimitive<tMainPasProcDesc0p>(table, "descendants", false, descendants);
  registerPrimitive<tMainPasProcDesc0b>(table, "parent?", false, isParent);
  registerPrimitive<tMainPasProcDesc1b>(table, "is?", false, is);
  registerPrimitive<tMainPasProcDesc1b>(table, "object?", false, isObject);
  registerPrimitive<tMainPasProcDesc1b>(table, "class?", false, isClass);
  registerPrimitive<tMainPasProcDesc1b>(table, "objname?", false, isObjectName);
  registerPrimitive<tMainPasProcDesc1b>(table, "myobjname?", false, isMyObjectName);
  registerPrimitive<tMainPasProcDesc0p>(table, "myname", false, myName);
  registerPrimitive<tMainPasProcDesc0p>(table, "lastname", false, lastName);
  registerPrimitive<tMainPasProcDesc0p>(table, ".lastname", false, lastName);
  registerPrimitive<tMainPasProcDesc0p>(table, "objects", false, objects);
  registerPrimitive<tMainPasProcDesc0p>(table, ".objects", false, allObjects);
  registerPrimitive<tMainPasProcDesc2p>(table, "getparam", false, getParam);
  registerPrimitive<tMainPasProcDesc2p>(table, "peekparam", false, peekParam);
  registerPrimitive<tMainPasProcDesc1b>(table, "mydefined?", false, myDefined);
  registerPrimitive<tMainPasProcDesc1b>(table, "myprimitive?", false, myPrimitive);
}

}  // namespace lx
