// Value methods: operations that belong to a class of values (words,
// numbers, booleans, lists) and are found in that class's method table by
// the name of the primitive. The global primitive dispatches on one of its
// inputs — the first, the last, or one in between — and runs the method of
// that input's class, so `first` of a word and `first` of a list are two
// methods behind one name.
#pragma once

#include <array>
#include <tuple>
#include <utility>

#include "interp/logo_tab.h"
#include "interp/primitive_descs.h"

namespace lx {

// A method with N inputs besides its receiver.
template <int N>
struct MethodRoutine;
template <>
struct MethodRoutine<0> {
  using type = Value (*)(const Value& receiver);
};
template <>
struct MethodRoutine<1> {
  using type = Value (*)(const Value& receiver, const Value&);
};
template <>
struct MethodRoutine<2> {
  using type = Value (*)(const Value& receiver, const Value&, const Value&);
};

// tPasProcRoot: the base of value methods. They run only on a receiver;
// their plain entry points raise error 154.
class tPasProcRoot : public tProcDesc {
 public:
  tPasProcRoot(NameCode name, uint32_t inputs) : tProcDesc(name, inputs, false, false) {}
  void execute(int) override;
  void asCommand(int n) override { execute(n); }
  void asFunction(int n) override { execute(n); }
  void asTailCall(int n) override { execute(n); }
  void asCommandNoTail(int n) override { execute(n); }
  void asFunctionNoTail(int n) override { execute(n); }
  void asMethodCommand(tlogoobject& receiver, int inputCount) override { executeOn(receiver, inputCount); }
  void asMethodFunction(tlogoobject& receiver, int inputCount) override { executeOn(receiver, inputCount); }
  virtual void executeOn(tlogoobject& receiver, int inputCount) = 0;
};

template <int N>
class tPasProcDesc : public tPasProcRoot {
 public:
  using Routine = typename MethodRoutine<N>::type;
  tPasProcDesc(NameCode name, Routine routine) : tPasProcRoot(name, N), routine_(routine) {}
  void executeOn(tlogoobject& receiver, int) override {
    tLogoStack& stack = threadState().stack;
    const auto inputs = popInputs<N>(stack);
    stack.push(callWith(Value(&receiver), inputs, std::make_index_sequence<N>{}));
  }

 private:
  // Passes the inputs by reference: every operator comes here, and copying
  // them into a tuple would count each one up and down again.
  template <size_t... I>
  Value callWith(const Value& receiver, const std::array<Value, N>& inputs, std::index_sequence<I...>) const {
    return routine_(receiver, inputs[I]...);
  }
  Routine routine_;
};

using tPasProcDesc0p = tPasProcDesc<0>;
using tPasProcDesc1p = tPasProcDesc<1>;
using tPasProcDesc2p = tPasProcDesc<2>;

// The method table of a value's class: the shared table of its value
// class, or the object's own table.
tLogoTab* methodTableOf(const tlogoobject& value);
// The method `code` of the value's class; error 25 naming the method when
// the class has none.
tProcDesc* findMethod(const tlogoobject& value, NameCode code);
tProcDesc* findMethodOrNull(const tlogoobject& value, NameCode code);

// The global primitives that dispatch to a value method.
// On the first input (the deepest of its inputs): operators and the "2 on
// first" primitives. `operatorClass` is 2, 3, 4 or 5 for comparisons,
// prefix, additive and multiplicative operators, 0 for named primitives.
class tObjectProc1Desc : public tProcDesc {
 public:
  tObjectProc1Desc(NameCode name, int operatorClass, uint32_t inputs, bool comparisons = false)
      : tProcDesc(name, inputs, false, comparisons), operatorClass(operatorClass) {}
  void execute(int inputCount) override;
  int operatorClass;

 private:
  // The method of each value class found last, valid in its lookup epoch:
  // every operator in a loop dispatches here, nearly always on the class
  // it saw the time before.
  struct Found {
    uint64_t epoch = 0;
    tProcDesc* method = nullptr;
  };
  tProcDesc* methodFor(const tlogoobject& receiver);
  Found found_[static_cast<int>(ValueKind::Other)];
};

// On the last input, which is popped as the receiver.
class tObjectProcEndDesc : public tProcDesc {
 public:
  tObjectProcEndDesc(NameCode name, uint32_t inputs, bool comparisons = false)
      : tProcDesc(name, inputs, false, comparisons) {}
  void execute(int inputCount) override;
};

// On the input `below` places under the top, taken out of the stack.
class tObjectProcNDesc : public tProcDesc {
 public:
  tObjectProcNDesc(NameCode name, uint32_t inputs, uint32_t below) : tProcDesc(name, inputs, false, false), below(below) {}
  void execute(int inputCount) override;
  uint32_t below;
};

// The shared method tables of the value classes.
tLogoTab& valueClassTable(ValueKind kind);

}  // namespace lx
