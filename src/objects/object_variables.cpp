// Variables of objects: lookup along the variable chain, own and common
// variables with their accessor procedures, and the class variables that
// every new heir receives.
//
// The two ways of defining a variable on a class give the two kinds of
// class variables: an own variable (`haveown`, the init-list prefixes
// `own`, `var`, `variable`) is copied into every heir, so that each object
// owns its value; a common one (`havecommon`, the prefix `common`) stays
// in the class alone and every heir finds that one variable along its
// variable chain.
#include "core/logo_exception.h"
#include "lang/localized_codes.h"
#include "objects/main_object.h"
#include "objects/multi_object.h"
#include "objects/object_accessors.h"
#include "objects/property_declaration.h"
#include "values/valid_name.h"

namespace lx {
namespace {

bool isCommon(const tLogoVarDesc& desc) {
  return desc.common;
}

bool isProperty(const tLogoVarDesc& desc) {
  return asProperty(&desc) != nullptr;
}

// Copies the own (not common, not property) variables of `from` that `to`
// has no own variable of yet.
void copyOwnVariables(const tmultiobject& from, tmultiobject& to) {
  std::vector<std::pair<NameCode, Value>> copies;
  from.variables().forEach([&](tTabDesc& desc) {
    auto& variable = static_cast<tLogoVarDesc&>(desc);
    if (!isCommon(variable) && !isProperty(variable) && !to.variables().findOrNull(variable.name))
      copies.emplace_back(variable.name, variable.value);
  });
  for (auto& [code, value] : copies) to.setOwnVariable(code, std::move(value));
}

}  // namespace

tLogoVarDesc* tmultiobject::findVariable(NameCode code) const {
  if (tLogoVarDesc* found = findVariableOrNull(code)) return found;
  throw eLogoException::withName(erNoVal, code);
}

Value tmultiobject::valueOfVariable(NameCode code) {
  const tLogoVarDesc* found = findVariableOrNull(code);
  if (!found) throw eLogoException::withName(erUndefObjVar, code);
  if (const auto* property = asProperty(found)) return property->read(*this);
  if (!found->value) throw eLogoException::withName(erNoVal, code);
  return found->value;
}

tmultiobject* tmultiobject::ownerOfVariable(NameCode code) {
  if (variables().findOrNull(code)) return this;
  for (const ObjectRef& ancestor : ancestors())
    if (ancestor->variables().findOrNull(code)) return ancestor.get();
  throw eLogoException::withName(erNoObject, code);
}

void tmultiobject::setVariable(NameCode code, Value value) {
  tLogoVarDesc* found = findVariableOrNull(code);
  if (!found) throw eLogoException::withName(erUndefObjVar, code);
  if (const auto* property = asProperty(found)) {
    property->write(*this, value);
    return;
  }
  found->value = storableValue(std::move(value));
  found->flags &= ~kNotSavedUntilSet;
}

void tmultiobject::setOwnVariable(NameCode code, Value value) {
  setOwnVariableWith(code, std::move(value), true);
}

void tmultiobject::setOwnVariableNoPropagate(NameCode code, Value value) {
  setOwnVariableWith(code, std::move(value), false);
}

void tmultiobject::setOwnVariableWith(NameCode code, Value value, bool propagate) {
  // A property is written through its setter, wherever it is declared.
  if (const auto* property = asProperty(findVariableOrNull(code))) {
    property->write(*this, value);
    return;
  }
  if (variables().findOrNull(code)) {
    // An existing variable keeps its kind; only its value changes.
    variables().setValue(code, std::move(value));
    return;
  }
  if (!isValidName(nameOf(code))) throw eLogoException::withName(erWrongVarName, code);
  variables().setValue(code, value);
  if (tLogoVarDesc* made = variables().variable(code)) made->common = !propagate;
  addAccessors(code);
  // The main object's variables are the global ones, which every object
  // finds along its chain: they are not handed down.
  if (!propagate || this == mainObject()) return;
  if (!isInstance()) hasClassInit_ = true;
  tlogoobjectlist receivers;
  for (tmultiobject* heir : heirs()) receivers.push_back(ObjectRef(heir));
  for (const ObjectRef& heir : receivers)
    if (heir->place() != this && !heir->variables().findOrNull(code)) heir->setOwnVariable(code, value);
}

void tmultiobject::addAccessors(NameCode code) {
  // The accessors of a variable that an ancestor made serve this object
  // too; and a procedure of the same name (a primitive) is never hidden.
  const NameCode setCode = setNameCodeOf(nameOf(code));
  if (findProcedure(code) || findProcedure(setCode)) return;
  procedures().add(std::make_unique<tGetFunc>(code));
  procedures().add(std::make_unique<tSetFunc>(setCode, code));
}

void tmultiobject::eraseVariable(NameCode code) {
  tLogoVarDesc* own = variables().variable(code);
  if (!own) throw eLogoException::withName(erNoVal, code);
  if (isProperty(*own)) throw eLogoException::withName(erCantEraseSetting, code);
  variables().eraseEntry(code);
  if (auto* getter = dynamic_cast<tGetFunc*>(procedures().findOrNull(code)); getter && getter->mayErase())
    procedures().eraseEntry(code);
  const NameCode setCode = setNameCodeOf(nameOf(code));
  if (auto* setter = dynamic_cast<tSetFunc*>(procedures().findOrNull(setCode)); setter && setter->mayErase())
    procedures().eraseEntry(setCode);
}

void tmultiobject::runClassInit() {
  // Nearest class first, so that a class's value hides the one it inherits.
  for (tmultiobject* ancestor = firstParent(); ancestor; ancestor = ancestor->firstParent())
    if (ancestor->hasClassInit_) copyOwnVariables(*ancestor, *this);
}

void tmultiobject::copyFirstParentVariables() {
  // The main object's variables are the global variables, which every
  // object finds along its chain: they are not copied.
  tmultiobject* parent = firstParent();
  if (parent && parent != mainObject()) copyOwnVariables(*parent, *this);
}

}  // namespace lx
