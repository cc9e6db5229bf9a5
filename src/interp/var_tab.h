// Variables: the descriptor that holds a value, and the tables of variables,
// named objects, pages and event handlers, which differ in their heading and
// in the error a missing name raises.
#pragma once

#include "interp/logo_tab.h"

namespace lx {

class tLogoVarDesc : public tTabDesc {
 public:
  tLogoVarDesc(NameCode name, Value value) : tTabDesc(name), value(std::move(value)) {}
  Value currentValue() const override { return value; }
  bool isVariable() const override { return true; }
  std::string definitionText() const override;

  Value value;  // none: the name exists but has no value
  // A property of an object: read and written through its routines, never
  // as a plain `:name` (a field, since every variable lookup asks).
  bool isProperty = false;
  // A variable of an object made `common`: it stays in the class, and every
  // heir finds that one variable, instead of being copied into every heir.
  bool common = false;
};

class tLogoVarTab : public tLogoTab {
 public:
  explicit tLogoVarTab(std::string label = "variablesLabel") : tLogoTab(std::move(label)) {}

  // Stores into the existing entry (its not-saved bit taken from `flags`) or
  // creates one. A pooled value is stored as a copy, so that pool instances
  // never become long-lived.
  void setValue(NameCode code, Value value, uint8_t flags = 0);
  // Stores into an entry of some table the way `setValue` does.
  static void store(tLogoVarDesc& entry, Value value, uint8_t flags);
  // Stores without touching the flags.
  void setPlain(NameCode code, Value value);
  // Stores only when the value differs from the current one.
  void setIfDifferent(NameCode code, Value value);
  // The value; the table's failure when the name is absent or has no value.
  Value value(NameCode code) const;
  Value valueOrNull(NameCode code) const;
  tLogoVarDesc* variable(NameCode code) const { return static_cast<tLogoVarDesc*>(findOrNull(code)); }

 protected:
  errorConst missingCode() const override { return erNoVal; }
  virtual std::unique_ptr<tLogoVarDesc> makeEntry(NameCode code, Value value) const {
    return std::make_unique<tLogoVarDesc>(code, std::move(value));
  }
};

// Global variables of the main object.
class tLogoGlobalVarTab : public tLogoVarTab {
 public:
  tLogoGlobalVarTab() : tLogoVarTab("GlobalsLabel") {}
};

// Named child objects of a container; the value is the object.
class tLogoObjectsTab : public tLogoVarTab {
 public:
  tLogoObjectsTab() : tLogoVarTab("ObjectsLabel") {}

 protected:
  errorConst missingCode() const override { return erNoObject; }
};

// Pages of a window, in page order.
class tLogoPagesTab : public tLogoVarTab {
 public:
  tLogoPagesTab() : tLogoVarTab("PagesLabel") {}

 protected:
  errorConst missingCode() const override { return erPageNotExist; }
};

// Event handlers; the value is the handler's instruction list.
class tLogoEventTab : public tLogoVarTab {
 public:
  tLogoEventTab() : tLogoVarTab("EventsLabel") {}

 protected:
  errorConst missingCode() const override { return erUnDefEvenet; }
};

// A value as a variable stores it: a pooled instance held by no one else
// leaves its pool, a shared one is copied; either way no pool instance
// becomes long-lived.
Value storableValue(Value value);

}  // namespace lx
