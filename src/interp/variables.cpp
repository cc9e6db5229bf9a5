// Reading and setting variables along the local scope.
#include "interp/variables.h"

#include "core/logo_exception.h"
#include "interp/procedure_resolver.h"
#include "interp/thread_state.h"
#include "interp/var_tab.h"

namespace lx {

Value variableValue(NameCode name) {
  ThreadState& state = threadState();
  if (const tLogoVarDesc* local = state.locals.variable(name)) {
    if (!local->value) throw eLogoException::withName(erNoVal, name);
    return local->value;
  }
  if (const tLogoVarDesc* own = procedureResolver().objectVariable(state.currentObject, name)) {
    if (!own->value) throw eLogoException::withName(erNoVal, name);
    return own->value;
  }
  return globalVariables().value(name);
}

void setVariable(NameCode name, Value value) {
  ThreadState& state = threadState();
  if (tLogoVarDesc* local = state.locals.variable(name)) {
    local->value = storableValue(std::move(value));
    return;
  }
  if (tLogoVarDesc* own = procedureResolver().objectVariable(state.currentObject, name)) {
    static_cast<tLogoVarTab*>(own->table)->setValue(name, std::move(value));
    return;
  }
  globalVariables().setValue(name, std::move(value));
}

}  // namespace lx
