// Variables along the current object's chain: `set`, `get`, `haveown`,
// `havecommon`.
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/multi_object.h"
#include "objects/object_primitives.h"

namespace lx {
namespace {

NameCode variableName(const Value& name) {
  if (name->isWord() && name->wordText().empty()) throw eLogoException(erEmptyWord, name);
  return name->nameCode();
}

Value set(const Value& name, const Value& value) {
  currentObject().setVariable(variableName(name), value);
  return nullptr;
}

Value get(const Value& name) {
  return currentObject().valueOfVariable(variableName(name));
}

Value haveOwn(const Value& name, const Value& value) {
  currentObject().setOwnVariable(variableName(name), value);
  return nullptr;
}

Value haveCommon(const Value& name, const Value& value) {
  currentObject().setOwnVariableNoPropagate(variableName(name), value);
  return nullptr;
}

}  // namespace

void registerObjectVariablePrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "set", true, set);
  registerPrimitive<tMainPasProcDesc1p>(table, "get", false, get);
  registerPrimitive<tMainPasProcDesc2p>(table, "haveown", true, haveOwn);
  registerPrimitive<tMainPasProcDesc2p>(table, "havecommon", true, haveCommon);
}

}  // namespace lx
