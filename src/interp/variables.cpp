// Reading and setting variables along the local scope.
#include "interp/variables.h"

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/procedure_resolver.h"
#include "interp/thread_state.h"
#include "interp/var_tab.h"

namespace lx {
namespace {

// Resolves a name outside the local scope and remembers the answer. Kept
// out of line, so that the remembered case costs no more than its test.
[[gnu::noinline]] tLogoVarDesc* resolveNonLocal(ThreadState& state, NameCode name, uint64_t epoch) {
  tLogoVarDesc* found = procedureResolver().objectVariable(state.currentObject, name);
  if (!found) found = globalVariables().variable(name);
  if (found) state.variableBindings.remember({epoch, name, state.currentObject, found});
  return found;
}

// The current object's variable of the name, else the global one; nullptr
// when neither exists. Remembered per thread while the lookup epoch holds.
inline tLogoVarDesc* nonLocalVariable(ThreadState& state, NameCode name) {
  // Read before resolving: should the resolution itself move the epoch,
  // the entry is simply made again next time.
  const uint64_t epoch = lookupEpoch();
  if (const auto* entry = state.variableBindings.remembered(name, epoch, state.currentObject)) return entry->desc;
  return resolveNonLocal(state, name, epoch);
}

}  // namespace

tLogoVarDesc* findVariable(NameCode name) {
  ThreadState& state = threadState();
  if (tLogoVarDesc* local = state.locals.variable(name)) return local;
  return nonLocalVariable(state, name);
}

Value variableValue(NameCode name) {
  const tLogoVarDesc* found = findVariable(name);
  if (!found || !found->value) throw eLogoException::withName(erNoVal, name);
  return found->value;
}

void setVariable(NameCode name, Value value) {
  ThreadState& state = threadState();
  if (tLogoVarDesc* local = state.locals.variable(name)) {
    local->value = storableValue(std::move(value));
    return;
  }
  if (tLogoVarDesc* found = nonLocalVariable(state, name)) {
    tLogoVarTab::store(*found, std::move(value), 0);
    return;
  }
  globalVariables().setValue(name, std::move(value));
}

}  // namespace lx
