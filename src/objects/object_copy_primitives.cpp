// Copying and erasing whole families of objects: `clone` makes a new object
// with what an object has of its own, `erasecomplete` erases an object with
// every object that inherits from it.
#include <algorithm>

#include "core/logo_exception.h"
#include "interp/logo_proc_desc.h"
#include "interp/primitive_descs.h"
#include "interp/procedure_definition.h"
#include "interp/registry.h"
#include "objects/container_object.h"
#include "objects/main_object.h"
#include "objects/object_addressing.h"
#include "objects/object_primitives.h"
#include "objects/property_declaration.h"
#include "objects/property_table.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/valid_name.h"

namespace lx {
namespace {

tmultiobject& oneObjectNamed(const Value& address) {
  const tlogoobjectlist objects = resolveAddress(address);
  if (objects.size() != 1) throw eLogoException(erNoObject, address);
  return *objects.front();
}

// The name a copy is given: a word, or the empty word or list for a name
// the container chooses.
std::string copyName(const Value& name) {
  if (name->isList() && name->isEmpty()) return {};
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  std::string text = name->wordText();
  if (!text.empty() && !isValidName(text)) throw eLogoException(erObjName, name);
  return text;
}

// Properties a copy does not take: its names and number are its own, its
// place was given when it was made, and every object has a key menu of its own.
bool isOwnIdentity(int propertyCode) {
  return propertyCode == prop::kName || propertyCode == prop::kDotName || propertyCode == prop::kNumber ||
         propertyCode == prop::kMyPlace || propertyCode == prop::kKeyMenu;
}

// The copy's values of the original's properties. A property that cannot
// be written (read-only ones: the copy works its value out itself) is left
// as the copy was made with it.
void copyProperties(tmultiobject& from, tmultiobject& to) {
  for (const auto& [code, desc] : propertiesOf(from)) {
    if (isOwnIdentity(code) || !propertyOf(to, code)) continue;
    try {
      writeProperty(to, code, readProperty(from, code));
    } catch (const eLogoException&) {
    }
  }
}

// Own variables keep their kind: a `common` one stays common in the copy.
void copyOwnVariables(tmultiobject& from, tmultiobject& to) {
  from.variables().forEach([&](tTabDesc& desc) {
    auto& variable = static_cast<tLogoVarDesc&>(desc);
    if (variable.isProperty || !variable.value) return;
    if (variable.common)
      to.setOwnVariableNoPropagate(variable.name, variable.value);
    else
      to.setOwnVariable(variable.name, variable.value);
  });
}

void copyOwnEvents(tmultiobject& from, tmultiobject& to) {
  from.events().forEach([&](tTabDesc& desc) {
    const Value handler = static_cast<tLogoVarDesc&>(desc).value;
    if (handler) to.setEventHandler(desc.name, handler);
  });
}

// The procedures written in Logo that the original defined for itself,
// defined again from their text; the system's commands of its kind the copy
// has already.
void copyOwnProcedures(tmultiobject& from, tmultiobject& to) {
  std::vector<std::string> texts;
  from.procedures().forEach([&](tTabDesc& desc) {
    if (desc.flags & kBuiltIn) return;
    if (desc.writtenInLogo) texts.push_back(desc.definitionText());
  });
  for (const std::string& text : texts) defineProcedure(to.procedures(), procedureFromText(text));
}

ObjectRef makeCopy(tmultiobject& original, const std::string& name) {
  const tlogoobjectlist founding(
      original.parents().begin(),
      original.parents().begin() + static_cast<std::ptrdiff_t>(original.firstParentCount()));
  if (!original.isInstance()) {
    const ObjectRef made(new tControlObject);
    try {
      made->init(name, founding);
      mainObject()->enterChild(*made);
    } catch (...) {
      destroyObject(*made);
      throw;
    }
    return made;
  }
  ListBuilder initList;
  if (original.place()) {
    initList.add(makeWord(nameOf(propertyRow(prop::kMyPlace).nameCode)));
    initList.add(Value(original.place()));
  }
  return containerOfCurrentObject().makeInstance(founding, name, initList.finish(), CreateMode::RunCreate);
}

// clone object name: a new object made from the same classes, in the same
// place, with the original's behaviours, property values, own variables,
// event handlers and procedures. A copy of a class is a class.
Value cloneObject(const Value& address, const Value& newName) {
  const ObjectRef original(&oneObjectNamed(address));
  if (original.get() == mainObject()) throw eLogoException(erIvalidPrototypeMain, address);
  const ObjectRef made = makeCopy(*original, copyName(newName));
  for (const ObjectRef& behaviour : original->behaviours()) made->addParent(*behaviour, false);
  copyOwnProcedures(*original, *made);
  copyOwnVariables(*original, *made);
  copyOwnEvents(*original, *made);
  copyProperties(*original, *made);
  return nullptr;
}

bool takesAsParent(const tmultiobject& heir, const tmultiobject& parent) {
  return std::any_of(heir.parents().begin(), heir.parents().end(),
                     [&](const ObjectRef& p) { return p.get() == &parent; });
}

// Every object that inherits from `object`, by a founding parent or by a
// behaviour, directly or not.
tlogoobjectlist descendantsOf(tmultiobject& object) {
  tlogoobjectlist found{ObjectRef(&object)};
  for (size_t i = 0; i < found.size(); ++i)
    for (tmultiobject* heir : found[i]->heirs())
      if (heir->alive() && takesAsParent(*heir, *found[i]) &&
          std::none_of(found.begin(), found.end(), [&](const ObjectRef& f) { return f.get() == heir; }))
        found.push_back(ObjectRef(heir));
  found.erase(found.begin());
  return found;
}

// Erases the object that `name` names as `eraseobject` does (its protected
// and busy checks too), and with it the objects that took it as a
// behaviour, which `eraseobject` leaves standing without it.
void eraseWithDescendants(const Value& name) {
  if (!name->isWord()) throw eLogoException(erExpectWord, name);
  const tlogoobjectlist family = descendantsOf(oneObjectNamed(name));
  eraseObjectNamed(currentObject(), name->nameCode());
  for (const ObjectRef& heir : family)
    if (heir->alive()) destroyObject(*heir);
}

// erasecomplete name, or erasecomplete [name...].
Value eraseComplete(const Value& names) {
  if (const tLogoList* list = asList(*names)) {
    for (const Value& name : *list) eraseWithDescendants(name);
  } else {
    eraseWithDescendants(names);
  }
  return nullptr;
}

}  // namespace

void registerObjectCopyPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "clone", false, cloneObject);
  registerPrimitive<tMainPasProcDesc1p>(table, "erasecomplete", false, eraseComplete);
}

}  // namespace lx
