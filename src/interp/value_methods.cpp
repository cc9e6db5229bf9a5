// Finding and running value methods.
#include "interp/value_methods.h"

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/primitive_runs.h"
#include "values/boolean.h"
#include "values/list.h"
#include "values/number.h"
#include "values/string_word.h"

namespace lx {

void tPasProcRoot::execute(int) { throw eLogoException::withPrim(erInternExecuteF, name); }

namespace {

// The shared tables, marked not owned once: every operator call reaches one.
struct ValueClassTables {
  ValueClassTables() {
    for (tLogoTab& table : tables) table.notOwned = true;
  }
  tLogoTab tables[static_cast<int>(ValueKind::Other)];
};

}  // namespace

tLogoTab& valueClassTable(ValueKind kind) {
  static ValueClassTables classTables;
  return classTables.tables[static_cast<int>(kind)];
}

tLogoTab* methodTableOf(const tlogoobject& value) {
  const ValueKind kind = value.kind();
  return kind == ValueKind::Other ? value.methods : &valueClassTable(kind);
}

tProcDesc* findMethodOrNull(const tlogoobject& value, NameCode code) {
  tLogoTab* table = methodTableOf(value);
  tTabDesc* desc = table ? table->findOrNull(code) : nullptr;
  return desc ? desc->asProcedure() : nullptr;
}

tProcDesc* findMethod(const tlogoobject& value, NameCode code) {
  tProcDesc* method = findMethodOrNull(value, code);
  if (!method) {
    // The value cannot serve as this input: the error names the value and
    // the primitive, which is what the child needs to see.
    eLogoException e(erDoesNotLike, selfValue(value));
    e.primName = nameOf(code);
    throw e;
  }
  return method;
}

namespace {

void runMethod(tProcDesc& method, tlogoobject& receiver, int inputCount) {
  notePrimitiveRun(method.runSlot);
  method.asMethodCommand(receiver, inputCount);
}

}  // namespace

tProcDesc* tObjectProc1Desc::methodFor(const tlogoobject& receiver) {
  const ValueKind kind = receiver.kind();
  if (kind == ValueKind::Other) return findMethod(receiver, name);
  Found& found = found_[static_cast<int>(kind)];
  const uint64_t epoch = lookupEpoch();
  if (found.epoch != epoch) found = {epoch, findMethod(receiver, name)};
  return found.method;
}

void tObjectProc1Desc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  // The receiver stays on the stack, under the inputs, until the method has
  // run, so the stack's reference keeps it alive.
  tlogoobject& receiver = *stack.peek(static_cast<size_t>(inputCount) - 1);
  runMethod(*methodFor(receiver), receiver, inputCount - 1);
  stack.removeUnderTop();
}

void tObjectProcEndDesc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  const Value receiver = stack.take();
  runMethod(*findMethod(*receiver, name), *receiver, inputCount - 1);
}

void tObjectProcNDesc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  const Value receiver = stack.peek(below);
  stack.removeAt(below);
  runMethod(*findMethod(*receiver, name), *receiver, inputCount - 1);
}

}  // namespace lx
