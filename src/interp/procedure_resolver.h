// How the evaluator finds what a name denotes: procedures along an object's
// procedure chain, objects by name, inherited procedures for "usual'". The
// object model installs its own resolver; until then (and in tests of the
// interpreter alone) every name is looked up in one table of global
// procedures.
#pragma once

#include <memory>

#include "interp/proc_desc.h"

namespace lx {

class tLogoTab;
class tLogoVarDesc;
tLogoTab& globalProcedures();

class ProcedureResolver {
 public:
  virtual ~ProcedureResolver() = default;
  // The procedure `code` in the procedure chain of `object` (none: the main
  // object), or nullptr.
  virtual tTabDesc* findProcedure(const Value& object, NameCode code) = 0;
  // The object named `code` as seen from `from`; error 50 when there is none.
  virtual Value findObject(const Value& from, NameCode code) = 0;
  // The procedure `code` inherited by the object context `context`, or nullptr.
  virtual tTabDesc* findInherited(const Value& context, NameCode code) = 0;
  // When `code` names a callable object seen from `from`: its default
  // action, with `object` set to it; else nullptr.
  virtual tTabDesc* defaultAction(const Value& from, NameCode code, Value& object) = 0;
  // The object context recorded for a call of `found`, which was looked up
  // from `context`: it must tell a later "usual'" inside the procedure
  // where the search for the inherited procedure goes on.
  virtual Value contextOf(const Value& context, const tTabDesc& found) {
    (void)found;
    return context;
  }
  // The procedure table of `object` itself: where `define` puts what it
  // defines and `erase` looks first.
  virtual tLogoTab& ownProcedures(const Value& object) {
    (void)object;
    return globalProcedures();
  }
  // The variable that `:name` reaches in the variable chain of `object`
  // before the global ones (an own or inherited variable of an object that
  // is not the main object, properties left to their getters), or nullptr.
  virtual tLogoVarDesc* objectVariable(const Value& object, NameCode code) {
    (void)object;
    (void)code;
    return nullptr;
  }
};

class tLogoGlobalVarTab;

// The table that holds the global primitives and procedures (the main
// object's procedure table), and the table of global variables (the main
// object's variables). Until the object model installs the main object's
// tables (and in tests of the interpreter alone) they are two tables of
// their own.
tLogoTab& globalProcedures();
tLogoGlobalVarTab& globalVariables();
// Makes the main object's tables the global ones; nullptr for both goes
// back to the tables of the interpreter alone.
void installGlobalTables(tLogoTab* procedures, tLogoGlobalVarTab* variables);
ProcedureResolver& procedureResolver();
void installProcedureResolver(std::unique_ptr<ProcedureResolver> resolver);

}  // namespace lx
