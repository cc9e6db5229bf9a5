// Declaring properties on a class: the variable descriptor that stands for
// the property in the object's variable table, and the getter and setter
// commands under every localized name of the property. Reading and writing
// a property goes through the getter and setter routines of its kind of
// object; a property whose kind has none yet keeps its value in the object.
#pragma once

#include <map>
#include <span>

#include "interp/proc_desc.h"
#include "objects/multi_object.h"

namespace lx {

using PropertyGetter = Value (*)(tmultiobject& object, int propertyCode);
using PropertySetter = void (*)(tmultiobject& object, int propertyCode, const Value& value);

// A property as a variable: its code and the routines that read and write
// it on an object.
class tPropertyVarDesc : public tLogoVarDesc {
 public:
  tPropertyVarDesc(NameCode name, int propertyCode, PropertyGetter getter, PropertySetter setter)
      : tLogoVarDesc(name, nullptr), propertyCode(propertyCode), getter(getter), setter(setter) {
    isProperty = true;
  }
  // Getters and setters touch controls: they run as protected work,
  // unless the property is one of those (a turtle's) that the calling
  // process works on itself.
  Value read(tmultiobject& object) const;
  void write(tmultiobject& object, const Value& value) const;

  int propertyCode;
  PropertyGetter getter;  // none: the value is kept in the object
  PropertySetter setter;
  bool onUiThread = true;
};

// Declared on a prototype: every object made from it has the property.
class tPseudoVarPrototype : public tPropertyVarDesc {
 public:
  using tPropertyVarDesc::tPropertyVarDesc;
  Value currentValue() const override { return nullptr; }  // it has no object of its own
};

// Declared on one object (every instance has its own key menu).
class tPseudoVarDesc : public tPropertyVarDesc {
 public:
  using tPropertyVarDesc::tPropertyVarDesc;
  Value currentValue() const override;
};

// The getter command of a property.
class tPropertyGetCommand : public tProcDesc {
 public:
  tPropertyGetCommand(NameCode name, int propertyCode)
      : tProcDesc(name, 0, false, false), propertyCode(propertyCode) {}
  void execute(int inputCount) override;
  int propertyCode;
};

// The setter command of a property: marks the property as set (to be saved)
// on the object, then writes it.
class tPseudoVarObjCommand : public tProcDesc {
 public:
  tPseudoVarObjCommand(NameCode name, int propertyCode)
      : tProcDesc(name, 1, false, false), propertyCode(propertyCode) {}
  void execute(int inputCount) override;
  int propertyCode;
};

enum class DeclaredOn : uint8_t { Prototype, Object };

// Adds the property to `owner`'s tables: a getter under each of its names,
// a setter under each set-name, and its variable descriptor with `flags`.
void declareProperty(tmultiobject& owner, int propertyCode, PropertyGetter getter, PropertySetter setter,
                     DeclaredOn on, uint8_t flags = kNotSavedUntilSet);
// The same without set-commands (the setter still serves loading and `set`).
void declareReadOnlyProperty(tmultiobject& owner, int propertyCode, PropertyGetter getter,
                             PropertySetter setter, DeclaredOn on, uint8_t flags = kNotSavedUntilSet);

// One row of a class's property table: the code, the routines that read
// and write it, whether Logo code may set it by a command, where the
// routines run (on the user-interface thread unless the property belongs
// to the calling process's own work, as a turtle's do), and when it is saved.
enum class SetBy : uint8_t { Command, LoadingOnly };
enum class RunsIn : uint8_t { InterfaceThread, Process };
struct PropertyEntry {
  int code;
  PropertyGetter getter;
  PropertySetter setter;
  SetBy setBy = SetBy::Command;
  RunsIn runsIn = RunsIn::InterfaceThread;
  uint8_t flags = kNotSavedUntilSet;  // the variable descriptor's save flags
};

// The save flags of a property saved whether or not it was set.
inline constexpr uint8_t kAlwaysSaved = 0;

// Declares every property of a table on `owner`.
void declareProperties(tmultiobject& owner, std::span<const PropertyEntry> table, DeclaredOn on);

// Makes the getter and setter of a property that `owner` declared run on
// the calling process's thread.
void runPropertyInProcess(tmultiobject& owner, int propertyCode);

// The descriptor of property `propertyCode` along the object's variable
// chain, or nullptr when the object has no such property.
tPropertyVarDesc* propertyOf(const tmultiobject& object, int propertyCode);
// The first descriptor of each property along the object and its parents,
// the object's own first: what the object reads and writes each property by.
std::map<int, const tPropertyVarDesc*> propertiesOf(const tmultiobject& object);
// Fills `propertiesAsMade` with the properties that are saved only once
// set; `propertyChangedSinceMade` compares one with its value now.
void rememberPropertiesAsMade(tmultiobject& object);
bool propertyChangedSinceMade(tmultiobject& object, int propertyCode);

// Where a property command of the current object finds its property: the
// current object, or the nearest object on its place chain that has the
// property of its own kind (a turtle that asks for `bgcolour` gets its
// page's); error 45 when none has it. Remembered per thread while the
// lookup epoch holds; propertyPlaceAfresh finds it without remembering.
struct PropertyPlace {
  tmultiobject* holder;
  const tPropertyVarDesc* desc;
};
PropertyPlace propertyPlace(int propertyCode);
PropertyPlace propertyPlaceAfresh(tmultiobject& from, int propertyCode);

// Reads and writes a property of an object (error 45 when it has none).
Value readProperty(tmultiobject& object, int propertyCode);
void writeProperty(tmultiobject& object, int propertyCode, const Value& value);

// The property a variable descriptor is, or nullptr when it is a plain variable.
inline tPropertyVarDesc* asProperty(tTabDesc* desc) {
  auto* variable = static_cast<tLogoVarDesc*>(desc);
  return desc && desc->isVariable() && variable->isProperty ? static_cast<tPropertyVarDesc*>(variable) : nullptr;
}
inline const tPropertyVarDesc* asProperty(const tTabDesc* desc) { return asProperty(const_cast<tTabDesc*>(desc)); }

}  // namespace lx
