// Sums, products and bit combinations of many inputs.
#include "prims/arithmetic_primitives.h"

#include <cstdint>
#include <span>

#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/arithmetic.h"
#include "values/pools.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

// The last input is the receiver and decides the kind of arithmetic.
bool isNumberReceiver(const tlogoobject& v) {
  return v.isNumber() || v.isAnyWord();
}

using NumberFold = Value (*)(std::span<const Value>);
using ListStep = Value (*)(const tLogoList&, const tlogoobject&);

// A list receiver combines the other inputs into itself one by one, as
// vectors or point lists; a number receiver folds all inputs as numbers.
Value manyInputs(tLogoStack& stack, int count, int32_t none, NumberFold numbers, ListStep lists) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (inputs.empty()) return makeInt(none);
  const Value& receiver = inputs.back();
  if (isNumberReceiver(*receiver)) return numbers(inputs);
  if (!receiver->isList()) throw eLogoException(erExpectNumber, receiver);
  Value result = receiver;
  for (size_t i = 0; i + 1 < inputs.size(); ++i) result = lists(*asList(*result), *inputs[i]);
  return result;
}

Value sumRoutine(tLogoStack& stack, int count) {
  return manyInputs(stack, count, 0, sumOf, listPlus);
}
Value productRoutine(tLogoStack& stack, int count) {
  return manyInputs(stack, count, 1, productOf, listTimes);
}

// Every input is read as a 32-bit integer; the receiver must be a word.
Value bitwise(tLogoStack& stack, int count, int32_t none, NumberFold combine) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (inputs.empty()) return makeInt(none);
  if (!inputs.back()->isWord()) throw eLogoException(erMinMax, INT32_MIN, INT32_MAX, inputs.back());
  return combine(inputs);
}

Value bitandRoutine(tLogoStack& stack, int count) {
  return bitwise(stack, count, INT32_MIN, bitandOf);
}
Value bitorRoutine(tLogoStack& stack, int count) {
  return bitwise(stack, count, 0, bitorOf);
}
Value bitxorRoutine(tLogoStack& stack, int count) {
  return bitwise(stack, count, 0, bitxorOf);
}

}  // namespace

void registerArithmeticPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "sum", false, 2u, sumRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "product", false, 2u, productRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "bitand", false, 2u, bitandRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "bitor", false, 2u, bitorRoutine);
  registerPrimitive<tMainPasProcDesc>(table, "bitxor", false, 2u, bitxorRoutine);
}

}  // namespace lx
