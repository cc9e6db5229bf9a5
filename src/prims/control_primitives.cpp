// Loops, conditionals and running lists.
#include "prims/control_primitives.h"

#include <thread>

#include "interp/compiled_list.h"
#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "interp/thread_state.h"
#include "lang/localized_codes.h"
#include "prims/collection_items.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

// Saves the round counter on entry to a loop and restores it on every exit.
class RoundCounter {
 public:
  RoundCounter() : state_(threadState()), saved_(state_.repcount) { state_.repcount = 0; }
  ~RoundCounter() { state_.repcount = saved_; }
  void next() { ++state_.repcount; }

 private:
  ThreadState& state_;
  uint32_t saved_;
};

// A frame of its own for a loop variable, so that loops work at top level
// too and the variable is gone afterwards.
class LoopVariable {
 public:
  explicit LoopVariable(NameCode name) : state_(threadState()), name_(name) {
    state_.locals.pushFrame({}, state_.stack);
    state_.locals.bindLocal(name_, nullptr);
  }
  ~LoopVariable() { state_.locals.popFrame(); }
  void set(Value value) { state_.locals.variable(name_)->value = std::move(value); }

 private:
  ThreadState& state_;
  NameCode name_;
};

// The list a loop runs, compiled at its first round and run as compiled
// from then on: a list keeps its compiled form while it lives, and the
// loop's input holds it. (A word is read into a list once, not per round.)
class LoopBody {
 public:
  explicit LoopBody(const Value& list) : list_(list) {}
  bool run() {
    if (!code_) code_ = compiled(*list_, kInstructions);
    return runList(code_);
  }

 private:
  const Value& list_;
  CompiledPtr code_;
};

bool truthOf(const Value& condition) {
  if (condition->isList()) {
    const Value value = evaluateValue(*condition);
    if (!value) throw eLogoException(erNotBool, condition);
    return value->asBool();
  }
  return condition->asBool();
}

// Runs a list as a command, or evaluates it when its value is wanted.
Value runOrEvaluate(const Value& list, bool wantValue) {
  if (wantValue) return evaluateValue(*list);
  runValue(*list);
  return nullptr;
}

Value repeatList(const Value& count, const Value& list) {
  const int32_t rounds = count->asInteger();
  LoopBody body(list);
  RoundCounter counter;
  for (int32_t i = 0; i < rounds; ++i) {
    counter.next();
    if (body.run()) break;
  }
  return nullptr;
}

Value repcount() {
  const uint32_t round = threadState().repcount;
  if (round == 0) throw eLogoException(erWrongPlaceRepc);
  return makeNumber(round);
}

Value whileList(const Value& condition, const Value& list) {
  LoopBody body(list);
  RoundCounter counter;
  for (;;) {
    counter.next();
    if (!truthOf(condition)) break;
    if (body.run()) break;
  }
  return nullptr;
}

Value loopList(const Value& list) {
  LoopBody body(list);
  RoundCounter counter;
  for (;;) {
    counter.next();
    if (body.run()) break;
  }
  return nullptr;
}

Value forLoop(const Value& name, const Value& control, const Value& list) {
  const tLogoList* bounds = asList(*control);
  const size_t count = bounds ? bounds->count() : 0;
  if (count != 2 && count != 3) throw eLogoException(erBadStructure, control);
  std::vector<long double> numbers;
  for (const Value& v : *bounds) {
    if (!v->isNumber()) throw eLogoException(erBadStructure, control);
    numbers.push_back(v->asReal());
  }
  const long double start = numbers[0], end = numbers[1];
  const long double step = count == 3 ? numbers[2] : (end > start ? 1 : -1);
  if (step == 0) throw eLogoException(erBadStructure, control);
  LoopVariable variable(name->nameCode());
  LoopBody body(list);
  RoundCounter counter;
  for (long double value = start; step > 0 ? value <= end : value >= end; value += step) {
    counter.next();
    const bool whole = value == static_cast<long double>(static_cast<int32_t>(value));
    variable.set(whole ? Value(makeInt(static_cast<int32_t>(value))) : Value(makeReal(value)));
    if (body.run()) break;
  }
  return nullptr;
}

Value foreachItem(const Value& name, const Value& collection, const Value& list) {
  std::vector<Value> items = collectionItems(collection);
  LoopVariable variable(name->nameCode());
  LoopBody body(list);
  RoundCounter counter;
  for (Value& item : items) {
    counter.next();
    variable.set(std::move(item));
    if (body.run()) break;
  }
  return nullptr;
}

// Between two looks at its condition `waituntil` waits as other waits do:
// a thread that waits for the interpreter lock (a process raised by a
// click or a received message) gets it at once instead of after this
// process's slice, and otherwise the processor goes to any thread ready to
// run. Only the taking apart of an object keeps the lock through its yields.
void waitTurn() {
  if (scheduler().lock().contended() && threadState().takingApart == 0) {
    LockReleased released;
  } else {
    std::this_thread::yield();
  }
}

Value waituntil(const Value& condition) {
  while (!truthOf(condition)) waitTurn();
  return nullptr;
}

Value ifList(const Value& condition, const Value& list) {
  if (truthOf(condition)) runValue(*list);
  return nullptr;
}

Value ifelseCommand(const Value& condition, const Value& yes, const Value& no) {
  runValue(*(truthOf(condition) ? yes : no));
  return nullptr;
}

Value ifelseOperation(const Value& condition, const Value& yes, const Value& no) {
  return evaluateValue(*(truthOf(condition) ? yes : no));
}

Value runCommand(const Value& list) { return runOrEvaluate(list, false); }
Value runOperation(const Value& list) { return runOrEvaluate(list, true); }

Value testValue(const Value& value) {
  threadState().testState = value->asBool() ? ThreadState::TestState::True : ThreadState::TestState::False;
  return nullptr;
}

Value runIfTested(const Value& list, ThreadState::TestState wanted) {
  const ThreadState::TestState state = threadState().testState;
  if (state == ThreadState::TestState::Unset) throw eLogoException::withPrim(erNotExecuted, codeOfInternal("test"));
  if (state == wanted) runValue(*list);
  return nullptr;
}

Value iftrue(const Value& list) { return runIfTested(list, ThreadState::TestState::True); }
Value iffalse(const Value& list) { return runIfTested(list, ThreadState::TestState::False); }

Value caseOf(const Value& value, const Value& clauses, bool wantValue) {
  const tLogoList* list = asList(*clauses);
  if (!list) throw eLogoException(erExpectList, clauses);
  for (const Value& clause : *list) {
    const tLogoList* items = asList(*clause);
    if (!items || items->isEmpty()) throw eLogoException(erBadStructure, clause);
    const Value& first = items->element();
    if (!items->rest()) return runOrEvaluate(first, wantValue);
    if (first->equals(*value)) return runOrEvaluate(items->rest()->element(), wantValue);
  }
  return nullptr;
}

Value caseCommand(const Value& value, const Value& clauses) { return caseOf(value, clauses, false); }
Value caseOperation(const Value& value, const Value& clauses) { return caseOf(value, clauses, true); }

Value ignoreInputs(tLogoStack& stack, int count) {
  stack.drop(static_cast<size_t>(count));
  return nullptr;
}

}  // namespace

void registerControlPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "repeat", false, repeatList);
  registerPrimitive<tMainPasProcDesc0p>(table, "repcount", false, repcount);
  registerPrimitive<tMainPasProcDesc2p>(table, "while", false, whileList);
  registerPrimitive<tMainPasProcDesc1p>(table, "loop", false, loopList);
  registerPrimitive<tMainPasProcDesc3p>(table, "for", false, forLoop);
  registerPrimitive<tMainPasProcDesc3p>(table, "foreach", false, foreachItem);
  registerPrimitive<tMainPasProcDesc1p>(table, "waituntil", false, waituntil);
  registerPrimitive<tMainPasProcDesc2p>(table, "if", true, ifList);
  registerPrimitive<tMainPasProcDesc3pF>(table, "ifelse", true, ifelseOperation, ifelseCommand);
  registerPrimitive<tMainPasProcDesc1pF>(table, "run", false, runOperation, runCommand);
  registerPrimitive<tMainPasProcDesc1p>(table, "test", true, testValue);
  registerPrimitive<tMainPasProcDesc1p>(table, "iftrue", true, iftrue);
  registerPrimitive<tMainPasProcDesc1p>(table, "iffalse", true, iffalse);
  registerPrimitive<tMainPasProcDesc2pF>(table, "case", false, caseOperation, caseCommand);
  registerPrimitive<tMainPasProcDesc>(table, "ignore", false, 1u, ignoreInputs);
  // The true and false words, run as instructions, answer themselves.
  registerPrimitive<tMainPasProcDesc0b>(table, "true", false, [] { return true; });
  registerPrimitive<tMainPasProcDesc0b>(table, "false", false, [] { return false; });
}

}  // namespace lx
