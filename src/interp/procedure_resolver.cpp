// The resolver used until the object model installs its own.
#include "interp/procedure_resolver.h"

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/var_tab.h"

namespace lx {
namespace {

class GlobalResolver : public ProcedureResolver {
 public:
  tTabDesc* findProcedure(const Value&, NameCode code) override { return globalProcedures().findOrNull(code); }
  Value findObject(const Value&, NameCode code) override { throw eLogoException::withName(erNoObject, code); }
  tTabDesc* findInherited(const Value&, NameCode) override { return nullptr; }
  tTabDesc* defaultAction(const Value&, NameCode, Value&) override { return nullptr; }
};

std::unique_ptr<ProcedureResolver>& resolverSlot() {
  static std::unique_ptr<ProcedureResolver> resolver = std::make_unique<GlobalResolver>();
  return resolver;
}

// The main object's tables once the object model installed them. Set
// while no Logo code runs (start-up, a full reset).
tLogoTab* installedProcedures = nullptr;
tLogoGlobalVarTab* installedVariables = nullptr;

}  // namespace

tLogoTab& globalProcedures() {
  static tLogoTab table("commandsLabel");
  return installedProcedures ? *installedProcedures : table;
}

tLogoGlobalVarTab& globalVariables() {
  static tLogoGlobalVarTab table;
  return installedVariables ? *installedVariables : table;
}

void installGlobalTables(tLogoTab* procedures, tLogoGlobalVarTab* variables) {
  installedProcedures = procedures;
  installedVariables = variables;
  invalidateLookups();
}

ProcedureResolver& procedureResolver() { return *resolverSlot(); }

void installProcedureResolver(std::unique_ptr<ProcedureResolver> resolver) {
  resolverSlot() = resolver ? std::move(resolver) : std::make_unique<GlobalResolver>();
  invalidateLookups();
}

}  // namespace lx
