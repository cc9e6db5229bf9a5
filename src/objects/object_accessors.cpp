// Running object commands and variable accessors.
#include "objects/object_accessors.h"

#include "interp/thread_state.h"
#include "objects/protected_call.h"

namespace lx {

void tGetFunc::execute(int) {
  threadState().stack.push(currentObject().valueOfVariable(name));
}

void tSetFunc::execute(int) {
  tLogoStack& stack = threadState().stack;
  Value value = stack.take();
  currentObject().setVariable(variable, std::move(value));
  stack.pushNone();
}

void tObjCommand::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  stack.push(routine_(currentObject(), stack, inputCount));
}

void tProtectedObjProcDesc::execute(int inputCount) {
  runProtected([&] { tObjCommand::execute(inputCount); });
}

}  // namespace lx
