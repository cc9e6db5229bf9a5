// The interpreter state of one thread that runs Logo code: its value stack,
// its local variables, the object it runs as, the pending `output`/`stop`,
// the tail call waiting for the trampoline, and the error state that
// `catch "error` fills. Each Logo process owns one; only the thread that
// holds the interpreter lock runs Logo code, but every process keeps its
// own state, so nothing here is shared.
#pragma once

#include <cassert>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/control_exceptions.h"
#include "interp/local_tab.h"
#include "interp/logo_stack.h"
#include "interp/scheduler.h"
#include "interp/variable_bindings.h"

namespace lx {

class tProcDesc;
class tLogoTab;

// The deepest nesting of objects made current by `ask` and object prefixes
// (error 159 beyond it).
inline constexpr size_t kMaxObjectStack = 1000;

// A call recorded in tail position, run by the trampoline of the caller.
struct PendingTailCall {
  tProcDesc* desc = nullptr;
  Value object;   // the object it runs in
  Value context;  // its object context
  int inputCount = 0;
  explicit operator bool() const { return desc != nullptr; }
};

// The state of an error caught by `catch "error`, read by `error`.
struct CaughtError {
  bool pending = false;
  int code = 0;
  std::string message;
  std::string procedure;
  int32_t line = 0;
  std::string primitive;
  Value value;
  NameCode nameCode = 0;
};

struct ThreadState {
  ThreadState();

  tLogoStack stack;
  tLogoLocaltab locals;
  VariableBindings variableBindings;  // where names outside the local scope were found last
  VariableBindings propertyBindings;  // the same for property commands, by property code
  Value currentObject;               // where procedure names are looked up
  tLogoTab* currentTable = nullptr;  // searched first when set
  Value callContext;                 // the object context of the call being made
  Value procedureContext;            // the object context of the running procedure
  std::vector<Value> objectStack;    // objects switched to by `ask` and prefixes
  std::vector<Value> objectList;     // the objects `tell` or `ask` addressed; empty: none
  Value lastObject;                  // the object this process made last
  Value pendingOutput;               // the value of a pending `output`
  bool stopFlag = false;             // set by `output`, `stop` and tail calls
  // Instruction lists entered inside the running procedure. Only a call at
  // nesting 1 (the last instruction of a procedure's own body) is a tail
  // call; top-level code starts at 1 so that its lists, entered at 2, never
  // leave a tail call with no procedure to run it.
  int runNesting = 1;
  int runDepth = 0;  // instruction lists entered in all
  PendingTailCall tailCall;
  // Whom other threads tell to stop or pause: the process's own control, or
  // for a thread that is no process (a test's), the state's own.
  ProcessControl ownControl{ProcessPhase::Running};
  ProcessControl* control = &ownControl;
  // Runs at every yield point of this state when set: a harness that bounds
  // how long Logo code may run (the fuzzer's).
  std::function<void(ThreadState&)> yieldWatch;
  // Objects being taken apart by this thread, outermost first counted; the
  // process runs as one of them itself and ends once the erase is done.
  int takingApart = 0;
  bool endAfterErase = false;
  std::vector<std::string> activeTags;  // tags of the running `catch` calls, lower-cased
  CaughtError caughtError;
  uint32_t repcount = 0;  // the round of the innermost running loop; 0 outside loops
  // The state `test` sets for `iftrue` and `iffalse`, kept per procedure call.
  enum class TestState : uint8_t { Unset, True, False } testState = TestState::Unset;
  // How deeply each higher-order primitive runs inside itself here: its
  // temporary procedures are named by the level.
  struct HigherOrderNesting {
    int apply = 0, map = 0, filter = 0, generate = 0;
  } higherOrderNesting;
};

// Stands in a saved context for an object that was erased while the
// context waited: a process that returns to it ends.
const Value& erasedContext();
// Makes a saved object current again at the end of `ask`, of a prefixed
// call or of a handler; returning to an erased context asks the process to
// end at its next instruction.
void restoreCurrentObject(ThreadState& state, Value saved);

namespace detail {
// The calling thread's state. Constant-initialized, so that reading it from
// any file is a plain thread-local load: every primitive asks for it.
extern constinit thread_local ThreadState* currentThreadState;
}  // namespace detail

// The state of the calling thread; every thread that runs Logo code installs
// one first (a process at its start, tests in their set-up).
inline ThreadState& threadState() {
  assert(detail::currentThreadState && "Logo code runs only on a thread with an interpreter state");
  return *detail::currentThreadState;
}
inline bool hasThreadState() { return detail::currentThreadState != nullptr; }
void installThreadState(ThreadState* state);

// Installs a fresh state for the lifetime of the scope.
class ScopedThreadState {
 public:
  ScopedThreadState();
  ~ScopedThreadState();
  ThreadState& state() { return state_; }

 private:
  ThreadState state_;
  ThreadState* previous_;
};

}  // namespace lx
