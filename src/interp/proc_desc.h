// tProcDesc: a descriptor that can be called — a primitive, a Logo
// procedure, an object command. The evaluator never calls `execute`
// directly but one of the entry points, so a class can behave differently
// as a command, as a function and in tail position. Inputs are on the
// calling thread's value stack, first input deepest; every entry point
// leaves exactly one entry there: the output, or none.
#pragma once

#include "interp/tab_desc.h"

namespace lx {

class tProcDesc : public tTabDesc {
 public:
  enum Special : uint8_t { Ordinary = 0, Output = 1, Stop = 2 };

  tProcDesc(NameCode name, uint32_t defaultInputs, bool variableInputs, bool inputsTakeComparisons)
      : tTabDesc(name),
        defaultInputs(defaultInputs),
        variableInputs(variableInputs),
        inputsTakeComparisons(inputsTakeComparisons) {}

  // Runs the descriptor with `inputCount` inputs on the stack (error 153
  // when this kind of descriptor cannot run on its own).
  virtual void execute(int inputCount);

  virtual void asCommand(int inputCount) { execute(inputCount); }
  virtual void asFunction(int inputCount) { execute(inputCount); }
  virtual void asTailCall(int inputCount) { execute(inputCount); }
  virtual void asCommandNoTail(int inputCount) { execute(inputCount); }
  virtual void asFunctionNoTail(int inputCount) { execute(inputCount); }
  // Value methods run on a receiver (error 153 for every other descriptor).
  virtual void asMethodCommand(tlogoobject& receiver, int inputCount);
  virtual void asMethodFunction(tlogoobject& receiver, int inputCount);
  tProcDesc* asProcedure() override { return this; }

  // A Logo procedure's [[inputs] line...] form; none for the rest.
  virtual Value definitionList() const { return nullptr; }

  uint32_t defaultInputs;      // inputs taken without parentheses
  bool variableInputs;         // takes another number of inputs in parentheses
  bool inputsTakeComparisons;  // each input is a full comparison expression
  Special special = Ordinary;
  int32_t activations = 0;     // calls of this descriptor now running
  bool tailCallable = false;
  uint16_t runSlot = 0;         // where a run of it is recorded (see primitive_runs.h)
  // Binary operators: the form of their method for two integers, which the
  // evaluator calls without the method dispatch when both inputs are
  // integers (every loop counter and comparison passes here). None for
  // everything else.
  Value (*onTwoIntegers)(const Value&, const Value&) = nullptr;
};

}  // namespace lx
