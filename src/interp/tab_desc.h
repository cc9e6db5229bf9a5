// tTabDesc: the base of every descriptor — what a Logo name denotes in a
// table: a primitive, a Logo procedure, an object command, a property
// accessor, a variable, an event handler, a named object or page.
#pragma once

#include <cstdint>
#include <string>

#include "core/name_codes.h"
#include "core/value.h"

namespace lx {

class tLogoTab;
class tProcDesc;

// Flag bits of a descriptor.
enum DescFlags : uint8_t {
  kNotSaved = 1,          // never saved with the project
  kNotSavedUntilSet = 4,  // not saved until a set clears it
  kBuiltIn = 8,           // registered by the system; survives eraseAll
  kPluginMark1 = 16,      // markers plug-in code reads and sets by name
  kPluginMark2 = 32,
};

class tTabDesc {
 public:
  explicit tTabDesc(NameCode name) : name(name) {}
  tTabDesc(const tTabDesc&) = delete;
  tTabDesc& operator=(const tTabDesc&) = delete;
  virtual ~tTabDesc() = default;

  // The definition text (procedures) or value text (variables).
  virtual std::string definitionText() const { return {}; }
  // The variable's value; none for procedures.
  virtual Value currentValue() const { return nullptr; }
  virtual std::string nameText() const { return nameOf(name); }
  // May the entry be erased or replaced now? (A running procedure may not.)
  virtual bool mayErase() const { return true; }
  // Whether it is a variable (the procedure table and the variable tables
  // hold different kinds of descriptors).
  virtual bool isVariable() const { return false; }
  // This descriptor as a callable one, or nullptr (a plain virtual call:
  // the evaluator asks at every call).
  virtual tProcDesc* asProcedure() { return nullptr; }

  bool notSaved() const { return (flags & (kNotSaved | kNotSavedUntilSet)) != 0; }

  NameCode name;
  uint8_t flags = 0;
  // A procedure written in Logo (the only kind that can run "usual'"): a
  // field, since every call of an inherited procedure asks.
  bool writtenInLogo = false;
  // Insertion-order links, changed and walked under the tables' list lock.
  tTabDesc* next = nullptr;
  tTabDesc* prev = nullptr;
  tLogoTab* table = nullptr;  // the owning table
};

}  // namespace lx
