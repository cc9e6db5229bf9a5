// Resolving addresses and switching the current object for `ask` and `tell`.
#include "objects/object_addressing.h"

#include "core/logo_exception.h"
#include "objects/ask_object.h"
#include "objects/main_object.h"
#include "objects/object_resolver.h"

namespace lx {
namespace {

ObjectRef objectNamed(tmultiobject& from, const Value& item) {
  if (tmultiobject* object = asObject(item)) {
    if (!object->alive()) throw eLogoException(erNoObject, item);
    return ObjectRef(object);
  }
  ObjectRef found = from.resolveObjectName(item->nameCode());
  if (!found || !found->alive()) throw eLogoException(erNoObject, item);
  return found;
}

}  // namespace

tlogoobjectlist resolveAddress(const Value& address) {
  tmultiobject& from = lookupObject(threadState().currentObject);
  tlogoobjectlist objects;
  if (const tLogoList* list = asList(*address)) {
    for (const Value& item : *list) objects.push_back(objectNamed(from, item));
  } else {
    objects.push_back(objectNamed(from, address));
  }
  return objects;
}

Value currentValueFor(const tlogoobjectlist& objects, const Value& address) {
  if (objects.empty()) return nullptr;
  if (objects.size() == 1) return Value(objects.front().get());
  const tmultiobject* ofClass = objects.front()->firstParent();
  for (const ObjectRef& object : objects)
    if (object->firstParent() != ofClass) throw eLogoException(erIncopatible, address);
  return Value(new tAskObject(objects));
}

AskScope::AskScope(ThreadState& state, const Value& address)
    : state_(state), savedTable_(state.currentTable), savedList_(state.objectList) {
  const tlogoobjectlist objects = resolveAddress(address);
  Value current = currentValueFor(objects, address);
  if (state_.objectStack.size() >= kMaxObjectStack) throw eLogoException(erDeepAsk);
  state_.objectStack.push_back(state_.currentObject);
  if (current) state_.currentObject = std::move(current);
  state_.currentTable = nullptr;
  state_.objectList.assign(objects.begin(), objects.end());
}

AskScope::~AskScope() {
  restoreCurrentObject(state_, std::move(state_.objectStack.back()));
  state_.objectStack.pop_back();
  state_.currentTable = savedTable_;
  state_.objectList = std::move(savedList_);
}

void tellObjects(ThreadState& state, const Value& address) {
  if (!state.objectStack.empty()) throw eLogoException(erWrongPlaceAsk);
  const tlogoobjectlist objects = resolveAddress(address);
  Value current = currentValueFor(objects, address);
  state.currentObject = current ? std::move(current) : Value(mainObject());
  state.objectList.assign(objects.begin(), objects.end());
}

}  // namespace lx
