// Truth values of many inputs, and equality of many inputs.
#include "prims/logic_primitives.h"

#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

// The truth of one input. A list is evaluated here, at the moment its truth
// is wanted; an expression that gives no value is no truth value (error 29).
bool truthOf(const Value& input) {
  if (!input->isList()) return input->asBool();
  const Value result = evaluateValue(*input);
  if (!result) throw eLogoException(erNotBool, input);
  return result->asBool();
}

// `and` and `or` look at their inputs from the first and stop at the first
// one whose truth decides, so later list inputs never run.
Value firstDeciding(tLogoStack& stack, int count, bool deciding) {
  for (const Value& input : stack.takeInputs(count))
    if (truthOf(input) == deciding) return makeBool(deciding);
  return makeBool(!deciding);
}

Value andRoutine(tLogoStack& stack, int count) {
  return firstDeciding(stack, count, false);
}
Value orRoutine(tLogoStack& stack, int count) {
  return firstDeciding(stack, count, true);
}

Value xorRoutine(tLogoStack& stack, int count) {
  bool odd = false;
  for (const Value& input : stack.takeInputs(count)) odd ^= truthOf(input);
  return makeBool(odd);
}

// Every input equals the first by the first input's own equality.
Value equalRoutine(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  for (size_t i = 1; i < inputs.size(); ++i)
    if (!inputs[0]->equals(*inputs[i])) return makeBool(false);
  return makeBool(true);
}

}  // namespace

void registerLogicPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "and", true, 2u, andRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "or", true, 2u, orRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "xor", true, 2u, xorRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "equal?", false, 2u, equalRoutine);
}

}  // namespace lx
