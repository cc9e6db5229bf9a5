// Property descriptors, their commands, and declaring them on a class.
#include "objects/property_declaration.h"

#include <optional>
#include <set>

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/primitive_runs.h"
#include "interp/thread_state.h"
#include "objects/property_table.h"
#include "objects/protected_call.h"
#include "values/list.h"

namespace lx {

Value tPropertyVarDesc::read(tmultiobject& object) const {
  if (!getter) {
    Value kept = object.storedProperty(propertyCode);
    return kept ? kept : Value(tLogoList::empty());
  }
  if (!onUiThread) return getter(object, propertyCode);
  Value result;
  runProtected([&] { result = getter(object, propertyCode); });
  return result;
}

void tPropertyVarDesc::write(tmultiobject& object, const Value& value) const {
  if (!setter) {
    object.setStoredProperty(propertyCode, value);
  } else if (!onUiThread) {
    setter(object, propertyCode, value);
  } else {
    runProtected([&] { setter(object, propertyCode, value); });
  }
  object.notePropertySet(propertyCode);
}

Value tPseudoVarDesc::currentValue() const {
  tmultiobject* owner = table ? asObject(table->ownerObject) : nullptr;
  return owner ? read(*owner) : nullptr;
}

namespace {

// Whether `object` is `other` or made from it through its parents (not
// through its place).
bool madeFrom(const tmultiobject& object, const tmultiobject& other, int depth = 0) {
  if (&object == &other) return true;
  if (depth > 1000) return false;
  for (const ObjectRef& parent : object.parents())
    if (parent && madeFrom(*parent, other, depth + 1)) return true;
  return false;
}

// Whether the object has the property of its own kind, not one it sees
// through the object it stands on.
bool ownsProperty(const tmultiobject& object, int propertyCode) {
  const tPropertyVarDesc* desc = propertyOf(object, propertyCode);
  if (!desc) return false;
  const auto* declaredBy = desc->table ? asObject(desc->table->ownerObject) : nullptr;
  return !declaredBy || madeFrom(object, *declaredBy);
}

}  // namespace

PropertyPlace propertyPlaceAfresh(tmultiobject& from, int propertyCode) {
  tmultiobject* object = &from;
  while (object && !ownsProperty(*object, propertyCode)) object = object->place();
  if (!object) throw eLogoException(erNoProperty);
  return {object, propertyOf(*object, propertyCode)};
}

// Finding the place walks the variable chains of the object and of those it
// stands on, and their parents; every property command asks.
PropertyPlace propertyPlace(int propertyCode) {
  ThreadState& state = threadState();
  const auto code = static_cast<NameCode>(propertyCode);
  const uint64_t epoch = lookupEpoch();
  if (const auto* entry = state.propertyBindings.remembered(code, epoch, state.currentObject))
    return {static_cast<tmultiobject*>(entry->holder), static_cast<const tPropertyVarDesc*>(entry->desc)};
  const PropertyPlace found = propertyPlaceAfresh(currentObject(), propertyCode);
  state.propertyBindings.remember(
      {epoch, code, state.currentObject, const_cast<tPropertyVarDesc*>(found.desc), found.holder});
  return found;
}

void tPropertyGetCommand::execute(int) {
  const PropertyPlace place = propertyPlace(propertyCode);
  threadState().stack.push(place.desc->read(*place.holder));
}

void tPseudoVarObjCommand::execute(int) {
  tLogoStack& stack = threadState().stack;
  const Value value = stack.take();
  const PropertyPlace place = propertyPlace(propertyCode);
  // A property set by Logo code is saved with the project.
  if (auto* own = place.holder->variables().variable(propertyRow(propertyCode).nameCode))
    own->flags &= ~kNotSavedUntilSet;
  place.desc->write(*place.holder, value);
  stack.pushNone();
}

namespace {

template <class Command>
void addCommands(tLogoTab& table, const std::vector<NameCode>& codes, int propertyCode,
                 std::string_view kind) {
  const uint16_t runSlot =
      primitiveRunSlot(std::string(propertyRow(propertyCode).internalName) + " (" + std::string(kind) + ")");
  for (NameCode code : codes) {
    auto command = std::make_unique<Command>(code, propertyCode);
    command->flags |= kBuiltIn;
    command->runSlot = runSlot;
    table.add(std::move(command));
  }
}

void declare(tmultiobject& owner, int propertyCode, PropertyGetter getter, PropertySetter setter,
             DeclaredOn on, uint8_t flags, bool withSetters) {
  const PropertyRow& row = propertyRow(propertyCode);
  if (!row.assigned()) throw eLogoException(erNoProperty);
  std::unique_ptr<tPropertyVarDesc> desc;
  if (on == DeclaredOn::Prototype)
    desc = std::make_unique<tPseudoVarPrototype>(row.nameCode, propertyCode, getter, setter);
  else
    desc = std::make_unique<tPseudoVarDesc>(row.nameCode, propertyCode, getter, setter);
  desc->flags = flags | kBuiltIn;
  owner.variables().add(std::move(desc));
  addCommands<tPropertyGetCommand>(owner.procedures(), propertyGetterCodes(propertyCode), propertyCode,
                                   "get");
  if (withSetters)
    addCommands<tPseudoVarObjCommand>(owner.procedures(), propertySetterCodes(propertyCode), propertyCode,
                                      "set");
}

}  // namespace

void declareProperty(tmultiobject& owner, int propertyCode, PropertyGetter getter, PropertySetter setter,
                     DeclaredOn on, uint8_t flags) {
  declare(owner, propertyCode, getter, setter, on, flags, true);
}

void declareReadOnlyProperty(tmultiobject& owner, int propertyCode, PropertyGetter getter,
                             PropertySetter setter, DeclaredOn on, uint8_t flags) {
  declare(owner, propertyCode, getter, setter, on, flags, false);
}

void runPropertyInProcess(tmultiobject& owner, int propertyCode) {
  const PropertyRow& row = propertyRow(propertyCode);
  if (auto* desc = asProperty(owner.variables().variable(row.nameCode))) desc->onUiThread = false;
}

tPropertyVarDesc* propertyOf(const tmultiobject& object, int propertyCode) {
  const PropertyRow& row = propertyRow(propertyCode);
  if (!row.assigned()) return nullptr;
  auto* desc = asProperty(object.findVariableOrNull(row.nameCode));
  return desc && desc->propertyCode == propertyCode ? desc : nullptr;
}

namespace {

void collectProperties(const tmultiobject& object, std::set<const tmultiobject*>& seen,
                       std::map<int, const tPropertyVarDesc*>& found) {
  if (!seen.insert(&object).second) return;
  object.variables().forEach([&](tTabDesc& desc) {
    if (const auto* property = asProperty(&desc)) found.emplace(property->propertyCode, property);
  });
  for (const ObjectRef& parent : object.parents()) collectProperties(*parent, seen, found);
}

// The show form of the property's value now, or none when it cannot be read.
std::optional<std::string> shownValue(tmultiobject& object, const tPropertyVarDesc& desc) {
  try {
    const Value value = desc.read(object);
    return value ? value->showText(1) : std::string();
  } catch (const eLogoException&) {
    return std::nullopt;
  }
}

}  // namespace

std::map<int, const tPropertyVarDesc*> propertiesOf(const tmultiobject& object) {
  std::set<const tmultiobject*> seen;
  std::map<int, const tPropertyVarDesc*> found;
  collectProperties(object, seen, found);
  return found;
}

void rememberPropertiesAsMade(tmultiobject& object) {
  std::map<int, std::string> asMade;
  for (const auto& [code, desc] : propertiesOf(object)) {
    if (!(desc->flags & kNotSavedUntilSet) || (desc->flags & kNotSaved)) continue;
    if (std::optional<std::string> shown = shownValue(object, *desc)) asMade[code] = *shown;
  }
  object.setPropertiesAsMade(std::move(asMade));
}

bool propertyChangedSinceMade(tmultiobject& object, int propertyCode) {
  const std::string* made = object.propertyAsMade(propertyCode);
  const tPropertyVarDesc* desc = propertyOf(object, propertyCode);
  if (!made || !desc) return false;
  const std::optional<std::string> now = shownValue(object, *desc);
  return now && *now != *made;
}

Value readProperty(tmultiobject& object, int propertyCode) {
  const tPropertyVarDesc* desc = propertyOf(object, propertyCode);
  if (!desc) throw eLogoException(erNoProperty);
  return desc->read(object);
}

void writeProperty(tmultiobject& object, int propertyCode, const Value& value) {
  const tPropertyVarDesc* desc = propertyOf(object, propertyCode);
  if (!desc) throw eLogoException(erNoProperty);
  desc->write(object, value);
}

void declareProperties(tmultiobject& owner, std::span<const PropertyEntry> table, DeclaredOn on) {
  for (const PropertyEntry& entry : table) {
    if (entry.setBy == SetBy::Command)
      declareProperty(owner, entry.code, entry.getter, entry.setter, on, entry.flags);
    else
      declareReadOnlyProperty(owner, entry.code, entry.getter, entry.setter, on, entry.flags);
    if (entry.runsIn == RunsIn::Process) runPropertyInProcess(owner, entry.code);
  }
}

}  // namespace lx
