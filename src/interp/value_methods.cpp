// Finding and running value methods.
#include "interp/value_methods.h"

#include "interp/logo_exception.h"
#include "values/boolean.h"
#include "values/list.h"
#include "values/number.h"
#include "values/string_word.h"

namespace lx {

void tPasProcRoot::execute(int) { throw eLogoException::withPrim(erInternExecuteF, name); }

tLogoTab& valueClassTable(ValueClass kind) {
  static tLogoTab tables[5];
  tLogoTab& table = tables[static_cast<int>(kind)];
  table.notOwned = true;
  return table;
}

tLogoTab* methodTableOf(const tlogoobject& value) {
  if (value.isList()) return &valueClassTable(ValueClass::List);
  if (dynamic_cast<const tLogoString*>(&value)) return &valueClassTable(ValueClass::Word);
  if (dynamic_cast<const tLogoInt*>(&value)) return &valueClassTable(ValueClass::Integer);
  if (dynamic_cast<const tLogoReal*>(&value)) return &valueClassTable(ValueClass::Real);
  if (dynamic_cast<const tLogoBool*>(&value)) return &valueClassTable(ValueClass::Boolean);
  return value.methods;
}

tProcDesc* findMethodOrNull(const tlogoobject& value, NameCode code) {
  tLogoTab* table = methodTableOf(value);
  return table ? dynamic_cast<tProcDesc*>(table->findOrNull(code)) : nullptr;
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

void tObjectProc1Desc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  const Value receiver = stack.peek(static_cast<size_t>(inputCount) - 1);
  findMethod(*receiver, name)->asMethodCommand(*receiver, inputCount - 1);
  stack.removeUnderTop();
}

void tObjectProcEndDesc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  const Value receiver = stack.take();
  findMethod(*receiver, name)->asMethodCommand(*receiver, inputCount - 1);
}

void tObjectProcNDesc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  const Value receiver = stack.peek(below);
  stack.removeAt(below);
  findMethod(*receiver, name)->asMethodCommand(*receiver, inputCount - 1);
}

}  // namespace lx
