// The thread-local interpreter state.
#include "interp/thread_state.h"

#include <cassert>

#include "lang/dictionary.h"

namespace lx {
namespace {

thread_local ThreadState* current = nullptr;

class tErasedContext : public tlogoobject {
 public:
  Value copy() const override { return Value(const_cast<tErasedContext*>(this)); }
  const char* className() const override { return "tErasedContext"; }
};

}  // namespace

const Value& erasedContext() {
  // Never freed: saved contexts may hold it until the very end.
  static const Value* marker = new Value(new tErasedContext);
  return *marker;
}

void restoreCurrentObject(ThreadState& state, Value saved) {
  if (saved.get() == erasedContext().get()) {
    state.currentObject = nullptr;
    state.control->requestStop();
    return;
  }
  state.currentObject = std::move(saved);
}

ThreadState::ThreadState() = default;

ThreadState& threadState() {
  assert(current && "Logo code runs only on a thread with an interpreter state");
  return *current;
}

bool hasThreadState() {
  return current != nullptr;
}

void installThreadState(ThreadState* state) {
  current = state;
}

ScopedThreadState::ScopedThreadState() : previous_(current) {
  current = &state_;
}

ScopedThreadState::~ScopedThreadState() {
  current = previous_;
}

}  // namespace lx
