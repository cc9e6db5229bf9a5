// The evaluator. Parser is the one deliberately large piece of the
// interpreter: a recursive-descent parser over a compiled token array that
// evaluates as it parses, resolving names at every call.
#include "interp/evaluator.h"

#include "interp/error_messages.h"
#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"
#include "interp/primitive_runs.h"
#include "interp/procedure_resolver.h"
#include "interp/var_tab.h"
#include "interp/variables.h"
#include "interp/yield_point.h"

namespace lx {
namespace {

// A resolved call: the descriptor, the object a prefix switched to (none
// without prefix) and the object context recorded for the call.
struct Call {
  tProcDesc* desc = nullptr;
  Value object;
  Value context;
  bool prefixed = false;
  bool followsParen = false;
};

// Keeps the run depth and nesting counted while a list runs.
class DepthGuard {
 public:
  DepthGuard(ThreadState& state, bool nesting) : state_(state), nesting_(nesting) {
    ++state_.runDepth;
    if (nesting_) ++state_.runNesting;
  }
  ~DepthGuard() {
    --state_.runDepth;
    if (nesting_) --state_.runNesting;
  }

 private:
  ThreadState& state_;
  bool nesting_;
};

// Makes an object current for the duration of a prefixed call.
class PrefixGuard {
 public:
  PrefixGuard(ThreadState& state, const Call& call) : state_(state), active_(call.prefixed) {
    if (!active_) return;
    if (state_.objectStack.size() >= kMaxObjectStack) throw eLogoException(erDeepAsk);
    state_.objectStack.push_back(state_.currentObject);
    state_.currentObject = call.object;
  }
  ~PrefixGuard() {
    if (!active_) return;
    restoreCurrentObject(state_, std::move(state_.objectStack.back()));
    state_.objectStack.pop_back();
  }

 private:
  ThreadState& state_;
  bool active_;
};

// Restores the call context after a call, whichever way it ends.
class ContextGuard {
 public:
  ContextGuard(ThreadState& state, const Value& context)
      : state_(state), saved_(std::exchange(state.callContext, context)) {}
  ~ContextGuard() { state_.callContext = std::move(saved_); }

 private:
  ThreadState& state_;
  Value saved_;
};

tProcDesc* asProcedure(tTabDesc* desc, NameCode name) {
  tProcDesc* proc = desc->asProcedure();
  if (!proc) throw eLogoException::withPrim(erInternExecute, name);
  return proc;
}

class Parser {
 public:
  Parser(ThreadState& state, CompiledCode& code) : state_(state), tokens_(code.tokens) {}

  CodeToken& token() { return tokens_[pos_]; }
  bool atEnd() const { return tokens_[pos_].kind == Tok::End; }
  size_t position() const { return pos_; }

  // One instruction at statement level; answers the stop flag.
  bool runInstruction() {
    switch (token().kind) {
      case Tok::Variable:
      case Tok::Constant:
        primary();
        state_.stack.popNone();
        return false;
      case Tok::Open: {
        ++pos_;
        const bool stopped = runInstruction();
        expectClose();
        return stopped;
      }
      case Tok::Procedure:
      case Tok::ObjectPrefix:
      case Tok::Usual: {
        Call call = resolve();
        const int count = gatherInputs(call);
        return callAsCommand(call, count);
      }
      default:
        throw eLogoException(erWrongSequence);
    }
  }

  // Relational level: at most one comparison.
  void relational() {
    additive();
    if (token().kind != Tok::Relational) return;
    tProcDesc* op = resolveOperator(token());
    ++pos_;
    additive();
    callOperator(op, 2);
  }

 private:
  void additive() {
    multiplicative();
    while (token().kind == Tok::Additive) {
      tProcDesc* op = resolveOperator(token());
      ++pos_;
      multiplicative();
      callOperator(op, 2);
    }
  }

  void multiplicative() {
    primary();
    while (token().kind == Tok::Multiplicative) {
      tProcDesc* op = resolveOperator(token());
      ++pos_;
      primary();
      callOperator(op, 2);
    }
  }

  void primary() {
    CodeToken& t = token();
    switch (t.kind) {
      case Tok::Procedure:
      case Tok::ObjectPrefix:
      case Tok::Usual: {
        Call call = resolve();
        const int count = gatherInputs(call);
        callAsFunction(call, count);
        return;
      }
      case Tok::Additive:
        // A sign where a value should start is a prefix operator; the
        // compiled list remembers it.
        t.kind = Tok::Prefix;
        t.code = t.code == codeOf("-") ? unaryMinusCode() : unaryPlusCode();
        t.resolved = {};
        [[fallthrough]];
      case Tok::Prefix: {
        tProcDesc* op = resolveOperator(t);
        ++pos_;
        primary();
        callOperator(op, 1);
        return;
      }
      case Tok::Open:
        ++pos_;
        relational();
        expectClose();
        return;
      case Tok::Variable:
        state_.stack.push(variableValue(t.code));
        ++pos_;
        return;
      case Tok::Constant:
        state_.stack.push(t.constant);
        ++pos_;
        return;
      default:
        throw eLogoException(erWrongSequence);
    }
  }

  void expectClose() {
    if (token().kind != Tok::Close) throw eLogoException(erMissingRpar);
    ++pos_;
  }

  // Whether the token remembers a resolution made for the thread's current
  // object and first table in this lookup epoch.
  bool remembers(const CodeToken& t, const tLogoTab* table) const {
    return t.resolved.epoch == lookupEpoch() && t.resolved.object == state_.currentObject &&
           t.resolved.table == table;
  }

  void remember(CodeToken& t, const tLogoTab* table, tProcDesc* desc, const Value& context) {
    t.resolved = {lookupEpoch(), state_.currentObject, table, desc, context};
  }

  // Operators are looked up from the current object alone.
  tProcDesc* resolveOperator(CodeToken& t) {
    if (remembers(t, nullptr)) return t.resolved.desc;
    tTabDesc* desc = procedureResolver().findProcedure(state_.currentObject, t.code);
    if (!desc) throw eLogoException::withName(erDoNotKnowHowTo, t.code);
    tProcDesc* op = asProcedure(desc, t.code);
    remember(t, nullptr, op, nullptr);
    return op;
  }

  tTabDesc* lookUp(const Value& object, NameCode code) {
    if (state_.currentTable) {
      if (tTabDesc* first = state_.currentTable->findOrNull(code)) return first;
    }
    return procedureResolver().findProcedure(object, code);
  }

  Call resolve() {
    Call call;
    CodeToken& first = token();
    call.followsParen = first.followsParen;
    if (first.kind == Tok::Procedure && remembers(first, state_.currentTable)) {
      call.desc = first.resolved.desc;
      call.context = first.resolved.context;
      ++pos_;
      return call;
    }
    NameCode name = first.code;
    try {
      call.context = state_.currentObject;
      tTabDesc* found = nullptr;
      if (token().kind == Tok::ObjectPrefix) {
        Value object = state_.currentObject;
        while (token().kind == Tok::ObjectPrefix) {
          name = token().code;
          object = procedureResolver().findObject(object, name);
          ++pos_;
        }
        name = token().code;
        call.object = object;
        call.context = object;
        call.prefixed = true;
        tLogoTab* savedTable = std::exchange(state_.currentTable, nullptr);
        found = token().kind == Tok::Usual ? procedureResolver().findInherited(object, name)
                                           : procedureResolver().findProcedure(object, name);
        state_.currentTable = savedTable;
      } else if (token().kind == Tok::Usual) {
        call.context = state_.procedureContext;
        found = procedureResolver().findInherited(call.context, name);
      } else {
        found = lookUp(state_.currentObject, name);
      }
      // The context remembers where the procedure was found, so that a
      // "usual'" inside it goes on searching from there.
      if (found) call.context = procedureResolver().contextOf(call.context, *found);
      if (found && first.kind == Tok::Procedure)
        remember(first, state_.currentTable, asProcedure(found, name), call.context);
      ++pos_;
      if (!found) {
        Value object;
        found = procedureResolver().defaultAction(state_.currentObject, name, object);
        if (found) {
          call.object = object;
          call.context = object;
          call.prefixed = true;
        }
      }
      if (!found) throw eLogoException::withName(erDoNotKnowHowTo, name);
      call.desc = asProcedure(found, name);
    } catch (eLogoException& e) {
      annotatePrim(e, name);
      throw;
    }
    return call;
  }

  int gatherInputs(const Call& call) {
    tProcDesc& desc = *call.desc;
    int count = 0;
    if (desc.variableInputs && call.followsParen) {
      while (token().kind != Tok::Close && !atEnd()) {
        if (!desc.inputsTakeComparisons && token().kind == Tok::Relational) break;
        readInput(desc);
        ++count;
      }
      return count;
    }
    for (uint32_t i = 0; i < desc.defaultInputs; ++i) {
      // The end of the list, or the ")" closing the parenthesis the call
      // opens, runs out of inputs; any other ")" where an input must start
      // is out of sequence, which the input's reading reports.
      if (atEnd() || (call.followsParen && token().kind == Tok::Close))
        throw eLogoException::withPrim(erNotEnoughInputs, desc.name);
      readInput(desc);
      ++count;
    }
    return count;
  }

  void readInput(const tProcDesc& desc) {
    if (pushLoneValue()) return;
    try {
      if (desc.inputsTakeComparisons)
        relational();
      else
        additive();
    } catch (eLogoException& e) {
      if (e.code == erDidNotReport) annotatePrim(e, desc.name);
      throw;
    }
  }

  // A constant or variable that no operator follows, the most common
  // input, is pushed without the descent through the operator levels.
  bool pushLoneValue() {
    const CodeToken& t = token();
    if (t.kind != Tok::Constant && t.kind != Tok::Variable) return false;
    // Never past the end: `t` is not the End token that closes the array.
    const Tok next = tokens_[pos_ + 1].kind;
    if (next == Tok::Relational || next == Tok::Additive || next == Tok::Multiplicative) return false;
    state_.stack.push(t.kind == Tok::Constant ? t.constant : variableValue(t.code));
    ++pos_;
    return true;
  }

  bool callAsCommand(const Call& call, int count) {
    tProcDesc& desc = *call.desc;
    if (desc.special != tProcDesc::Ordinary) notePrimitiveRun(desc.runSlot);
    if (desc.special == tProcDesc::Output) {
      state_.stack.popInto(state_.pendingOutput);
      state_.stopFlag = true;
      return true;
    }
    if (desc.special == tProcDesc::Stop) {
      state_.stopFlag = true;
      return true;
    }
    if (atEnd() && state_.runNesting == 1 && !call.prefixed && desc.tailCallable) {
      state_.tailCall = {&desc, call.object, call.context, count};
      state_.stopFlag = true;
      return true;
    }
    invoke(call, [&] {
      desc.asCommand(count);
      // A tail call left by a call made as another object runs as that object.
      if (call.prefixed && state_.tailCall) runTrampoline(state_);
    });
    if (state_.tailCall) runTrampoline(state_);
    if (state_.stopFlag) return true;
    state_.stack.popNone();
    return false;
  }

  void callAsFunction(const Call& call, int count) {
    tProcDesc& desc = *call.desc;
    if (desc.special != tProcDesc::Ordinary) throw eLogoException::withName(erDidNotReport, desc.name);
    invoke(call, [&] { desc.asFunction(count); });
    if (!state_.tailCall && state_.stack.top()) return;
    state_.tailCall = {};
    state_.stopFlag = false;
    state_.stack.pop();
    throw eLogoException::withName(erDidNotReport, desc.name);
  }

  void callOperator(tProcDesc* op, int count) {
    if (count == 2 && op->onTwoIntegers && topTwoAreIntegers()) {
      callOnTwoIntegers(*op);
      return;
    }
    Call call;
    call.desc = op;
    call.context = state_.currentObject;
    callAsFunction(call, count);
  }

  bool topTwoAreIntegers() const {
    const tLogoStack& stack = state_.stack;
    return stack.count() >= 2 && stack.peek(0)->kind() == ValueKind::Integer &&
           stack.peek(1)->kind() == ValueKind::Integer;
  }

  // The operator's integer method without the dispatch: no Logo code runs
  // in it, so it needs no call context either.
  void callOnTwoIntegers(tProcDesc& op) {
    tLogoStack& stack = state_.stack;
    notePrimitiveRun(op.runSlot);
    Value result;
    try {
      result = op.onTwoIntegers(stack.peek(1), stack.peek(0));
    } catch (eLogoException& e) {
      annotatePrim(e, op.name);
      throw;
    }
    stack.replaceTopTwo(std::move(result));
  }

  template <class Run>
  void invoke(const Call& call, Run run) {
    ContextGuard context(state_, call.context);
    PrefixGuard prefix(state_, call);
    notePrimitiveRun(call.desc->runSlot);
    try {
      run();
    } catch (eLogoException& e) {
      annotatePrim(e, call.desc->name);
      throw;
    }
  }

  ThreadState& state_;
  std::vector<CodeToken>& tokens_;
  size_t pos_ = 0;
};

}  // namespace

// The caller holds the code while it runs (a temporary lives to the end of
// the call), so no count of the shared code moves per list run.
bool runList(const CompiledPtr& code) {
  ThreadState& state = threadState();
  yieldPoint(state);
  DepthGuard depth(state, true);
  Parser parser(state, *code);
  while (!parser.atEnd()) {
    stopAtInstruction(state);
    try {
      if (parser.runInstruction()) break;
    } catch (eLogoException& e) {
      e.trace.push_back(static_cast<int32_t>(parser.position()));
      throw;
    }
  }
  return state.stopFlag;
}

bool runValue(const tlogoobject& value, CompileKind kind) { return runList(compiled(value, kind)); }

Value evaluateList(const CompiledPtr& code) {
  ThreadState& state = threadState();
  yieldPoint(state);
  DepthGuard depth(state, false);
  Parser parser(state, *code);
  const size_t height = state.stack.count();
  parser.relational();
  if (!parser.atEnd()) {
    parser.relational();
    state.stack.popNone();
  }
  if (state.stack.count() <= height) return nullptr;
  return state.stack.take();
}

Value evaluateValue(const tlogoobject& value) { return evaluateList(compiled(value, kInstructions)); }

Value callDescriptor(tProcDesc& desc, int inputCount, bool wantValue) {
  ThreadState& state = threadState();
  notePrimitiveRun(desc.runSlot);
  try {
    if (wantValue) {
      desc.asFunction(inputCount);
    } else {
      desc.asCommand(inputCount);
      if (state.tailCall) runTrampoline(state);
    }
  } catch (eLogoException& e) {
    annotatePrim(e, desc.name);
    throw;
  }
  Value result = state.stack.take();
  if (wantValue && !result) throw eLogoException::withName(erDidNotReport, desc.name);
  if (!wantValue && result && !state.stopFlag) throw eLogoException(erWhatToDo, std::move(result));
  return result;
}

void runTrampoline(ThreadState& state) {
  do {
    PendingTailCall call = std::move(state.tailCall);
    state.tailCall = {};
    state.stopFlag = false;
    ContextGuard context(state, call.context);
    notePrimitiveRun(call.desc->runSlot);
    call.desc->asTailCall(call.inputCount);
  } while (state.stopFlag && state.tailCall);
}

}  // namespace lx
