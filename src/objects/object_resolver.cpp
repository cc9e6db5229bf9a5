// Finding procedures and objects for the evaluator.
#include "objects/object_resolver.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "interp/logo_proc_desc.h"
#include "interp/thread_state.h"
#include "objects/ask_object.h"
#include "objects/main_object.h"
#include "objects/object_codes.h"
#include "objects/property_declaration.h"

namespace lx {

tmultiobject& lookupObject(const Value& from) {
  tmultiobject* object = asObject(from);
  if (const auto* asked = asAskGroup(from)) object = asked->firstAlive();
  if (!object) object = mainObject();
  if (!object->alive()) throw eLogoException(erNoObject, Value(object));
  return *object;
}

tTabDesc* ObjectResolver::findProcedure(const Value& object, NameCode code) {
  if (auto* asked = asAskGroup(object)) return asked->procedure(code);
  return lookupObject(object).findProcedure(code);
}

Value ObjectResolver::findObject(const Value& from, NameCode code) {
  ObjectRef found = lookupObject(from).resolveObjectName(code);
  if (!found) throw eLogoException::withName(erNoObject, code);
  return Value(found.get());
}

tTabDesc* ObjectResolver::findInherited(const Value& context, NameCode code) {
  if (!context) throw eLogoException(erUsual);
  tmultiobject* object = nullptr;
  const tLogoTab* after = nullptr;
  if (const tCallContext* call = asCallContext(context)) {
    object = call->object.get();
    after = call->table;
  } else {
    object = &lookupObject(context);
    after = &object->procedures();
  }
  const std::vector<tLogoTab*>& chain = object->chainFor(code);
  auto start = std::find(chain.begin(), chain.end(), after);
  start = start == chain.end() ? chain.begin() + 1 : start + 1;
  for (auto it = start; it < chain.end(); ++it)
    if (tTabDesc* found = (*it)->findOrNull(code)) return found;
  return nullptr;
}

tTabDesc* ObjectResolver::defaultAction(const Value& from, NameCode code, Value& object) {
  tmultiobject& self = lookupObject(from);
  tmultiobject* named = self.objectByName(code);
  if (!named && hasThreadState()) {
    for (const Value& listed : threadState().objectList) {
      if (tmultiobject* holder = asObject(listed); holder && holder->alive())
        named = holder->objectByName(code);
      if (named) break;
    }
  }
  if (!named && code == objectCodes().receiver) named = &self;
  if (!named || !named->alive()) return nullptr;
  tTabDesc* action = named->findProcedure(objectCodes().defaultAction);
  if (!action) return nullptr;
  object = Value(named);
  return action;
}

Value ObjectResolver::contextOf(const Value& context, const tTabDesc& found) {
  const tLogoTab* table = found.table;
  if (!table) return context;
  // Nothing is inherited past the main object: its procedures (the global
  // ones, most calls) need no more context than that.
  if (table->ownerObject == mainObject()) return Value(mainObject());
  tmultiobject* object = nullptr;
  if (const tCallContext* call = asCallContext(context))
    object = call->object.get();
  else if (const auto* asked = asAskGroup(context))
    object = asked->firstAlive();
  else
    object = asObject(context);
  if (!object) object = mainObject();
  // Only a procedure written in Logo can run "usual'", and one of the
  // object's own table needs no more than the object.
  if (table == &object->procedures() || !found.writtenInLogo) return Value(object);
  return Value(new tCallContext(ObjectRef(object), table));
}

tLogoTab& ObjectResolver::ownProcedures(const Value& object) {
  return lookupObject(object).procedures();
}

tLogoVarDesc* ObjectResolver::objectVariable(const Value& object, NameCode code) {
  tmultiobject* self = asObject(object);
  if (const auto* asked = asAskGroup(object)) self = asked->firstAlive();
  tMainLogoObject* main = mainObject();
  if (!self || !self->alive() || self == main) return nullptr;
  const tLogoVarTab* globals = &main->variables();
  for (tLogoVarTab* table : self->tables().variableChain()) {
    // The main object's variables are the global ones, which the caller
    // reads itself; a property is read through its getter, never as `:name`.
    if (table == globals) return nullptr;
    auto* found = static_cast<tLogoVarDesc*>(table->findOrNull(code));
    if (found) return found->isProperty ? nullptr : found;
  }
  return nullptr;
}

}  // namespace lx
