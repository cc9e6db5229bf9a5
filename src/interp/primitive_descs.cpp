// Primitive descriptors whose work is not a template.
#include "interp/primitive_descs.h"

#include "values/pools.h"

namespace lx {

void tMainPasProcDesc::execute(int inputCount) {
  tLogoStack& stack = threadState().stack;
  stack.push(routine_(stack, inputCount));
}

void tMainPasProcDescBF::run(int inputCount, bool asFunction) {
  tLogoStack& stack = threadState().stack;
  stack.push(routine_(stack, inputCount, asFunction));
}

void tMainPasProcDesc0b::execute(int) { threadState().stack.push(makeBool(routine_())); }

void tMainPasProcDesc1b::execute(int) {
  tLogoStack& stack = threadState().stack;
  const Value input = stack.take();
  stack.push(makeBool(routine_(input)));
}

void tMainPasProcDesc0i::execute(int) { threadState().stack.push(makeInt(routine_())); }

}  // namespace lx
