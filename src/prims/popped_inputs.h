// The inputs of a primitive with a variable input count, taken off the value
// stack in call order.
#pragma once

#include <vector>

#include "interp/logo_stack.h"

namespace lx {

// Pops `count` inputs; the first input (the deepest) comes first. Each
// element holds a counted reference, so the inputs stay alive while the
// routine runs, even when it evaluates Logo code that uses the stack.
inline std::vector<Value> poppedInputs(tLogoStack& stack, int count) {
  std::vector<Value> inputs(static_cast<size_t>(count));
  for (size_t i = inputs.size(); i-- > 0;) inputs[i] = stack.take();
  return inputs;
}

}  // namespace lx
