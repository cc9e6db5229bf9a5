// Reading and setting variables along the local scope.
#include "interp/variables.h"

#include "core/logo_exception.h"
#include "interp/procedure_resolver.h"
#include "interp/thread_state.h"
#include "interp/var_tab.h"

namespace lx {

Value variableValue(NameCode name) {
  if (const tLogoVarDesc* local = threadState().locals.variable(name)) {
    if (!local->value) throw eLogoException::withName(erNoVal, name);
    return local->value;
  }
  if (const tLogoVarDesc* own = procedureResolver().objectVariable(threadState().currentObject, name)) {
    if (!own->value) throw eLogoException::withName(erNoVal, name);
    return own->value;
  }
  return globalVariables().value(name);
}

void setVariable(NameCode name, Value value) {
  if (tLogoVarDesc* local = threadState().locals.variable(name)) {
    local->value = storableValue(std::move(value));
    return;
  }
  if (tLogoVarDesc* own = procedureResolver().objectVariable(threadState().currentObject, name)) {
    static_cast<tLogoVarTab*>(own->table)->setValue(name, std::move(value));
    return;
  }
  globalVariables().setValue(name, std::move(value));
}

}  // namespace lx
