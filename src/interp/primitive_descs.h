// The descriptors of the system's own primitives. Each wraps a routine; the
// descriptor takes the inputs off the value stack (holding a counted
// reference to each while the routine runs) and pushes what the routine
// answers. A routine that answers none makes the call a command.
#pragma once

#include <array>
#include <tuple>

#include "interp/logo_stack.h"
#include "interp/proc_desc.h"
#include "interp/thread_state.h"

namespace lx {

// A primitive with a variable input count: the routine takes its inputs
// from the stack itself.
class tMainPasProcDesc : public tProcDesc {
 public:
  using Routine = Value (*)(tLogoStack& stack, int inputCount);
  tMainPasProcDesc(NameCode name, bool comparisons, uint32_t defaultInputs, Routine routine)
      : tProcDesc(name, defaultInputs, true, comparisons), routine_(routine) {}
  void execute(int inputCount) override;

 private:
  Routine routine_;
};

// The same, told whether its value is wanted.
class tMainPasProcDescBF : public tProcDesc {
 public:
  using Routine = Value (*)(tLogoStack& stack, int inputCount, bool asFunction);
  tMainPasProcDescBF(NameCode name, bool comparisons, uint32_t defaultInputs, Routine routine)
      : tProcDesc(name, defaultInputs, true, comparisons), routine_(routine) {}
  void execute(int inputCount) override { run(inputCount, false); }
  void asFunction(int inputCount) override { run(inputCount, true); }
  void asFunctionNoTail(int inputCount) override { run(inputCount, true); }

 private:
  void run(int inputCount, bool asFunction);
  Routine routine_;
};

// The inputs of a fixed-count primitive, first input first, each held by a
// counted reference while the routine runs.
template <int N>
std::array<Value, N> popInputs(tLogoStack& stack) {
  std::array<Value, N> inputs;
  for (int i = N - 1; i >= 0; --i) inputs[i] = stack.take();
  return inputs;
}

// The routine of a primitive with N inputs, first input first.
template <int N>
struct FixedRoutine;
template <>
struct FixedRoutine<0> {
  using type = Value (*)();
};
template <>
struct FixedRoutine<1> {
  using type = Value (*)(const Value&);
};
template <>
struct FixedRoutine<2> {
  using type = Value (*)(const Value&, const Value&);
};
template <>
struct FixedRoutine<3> {
  using type = Value (*)(const Value&, const Value&, const Value&);
};

// Pops N inputs, runs the routine and pushes its answer.
template <int N>
void runFixed(typename FixedRoutine<N>::type routine) {
  tLogoStack& stack = threadState().stack;
  auto inputs = popInputs<N>(stack);
  stack.push(std::apply(routine, inputs));
}

// A primitive with exactly N inputs (0 to 3), answering a value or none.
template <int N>
class tMainPasProcDescNp : public tProcDesc {
 public:
  using Routine = typename FixedRoutine<N>::type;
  tMainPasProcDescNp(NameCode name, bool comparisons, Routine routine)
      : tProcDesc(name, N, false, comparisons), routine_(routine) {}
  void execute(int) override { runFixed<N>(routine_); }

 private:
  Routine routine_;
};

using tMainPasProcDesc0p = tMainPasProcDescNp<0>;
using tMainPasProcDesc1p = tMainPasProcDescNp<1>;
using tMainPasProcDesc2p = tMainPasProcDescNp<2>;
using tMainPasProcDesc3p = tMainPasProcDescNp<3>;

// A primitive with N inputs and two routines: one used when its value is
// wanted, one when it is a command.
template <int N>
class tMainPasProcDescNpF : public tProcDesc {
 public:
  using Routine = typename FixedRoutine<N>::type;
  tMainPasProcDescNpF(NameCode name, bool comparisons, Routine asOperation, Routine asCommand)
      : tProcDesc(name, N, false, comparisons), operation_(asOperation), command_(asCommand) {}
  void execute(int) override { runFixed<N>(command_); }
  void asFunction(int) override { runFixed<N>(operation_); }
  void asFunctionNoTail(int) override { runFixed<N>(operation_); }

 private:
  Routine operation_;
  Routine command_;
};

using tMainPasProcDesc1pF = tMainPasProcDescNpF<1>;
using tMainPasProcDesc2pF = tMainPasProcDescNpF<2>;
using tMainPasProcDesc3pF = tMainPasProcDescNpF<3>;

// Primitives answering a truth value (0 or 1 input) or an integer (no input).
class tMainPasProcDesc0b : public tProcDesc {
 public:
  using Routine = bool (*)();
  tMainPasProcDesc0b(NameCode name, bool comparisons, Routine routine)
      : tProcDesc(name, 0, false, comparisons), routine_(routine) {}
  void execute(int) override;

 private:
  Routine routine_;
};

class tMainPasProcDesc1b : public tProcDesc {
 public:
  using Routine = bool (*)(const Value&);
  tMainPasProcDesc1b(NameCode name, bool comparisons, Routine routine)
      : tProcDesc(name, 1, false, comparisons), routine_(routine) {}
  void execute(int) override;

 private:
  Routine routine_;
};

class tMainPasProcDesc0i : public tProcDesc {
 public:
  using Routine = int32_t (*)();
  tMainPasProcDesc0i(NameCode name, bool comparisons, Routine routine)
      : tProcDesc(name, 0, false, comparisons), routine_(routine) {}
  void execute(int) override;

 private:
  Routine routine_;
};

}  // namespace lx
